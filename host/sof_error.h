#pragma once
// The error object of every server call. A call fails by handing back a non-null error object in
// its error slot; the receiver shows it (or not) and destroys it.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/wintypes.h"

namespace ptp::host {

class SOFError {
public:
    // Kind 4 errors are shown by the common message dialog; other kinds show themselves.
    static constexpr int kKindMessage = 4;

    virtual void Destroy() = 0;
    virtual int GetKind() const = 0;
    virtual std::string GetMessageId() const = 0;  // "CPF2681", or empty
    virtual std::string GetText() const = 0;       // the text the user sees
    virtual std::string GetTraceText() const = 0;
    virtual void SetTraceText(std::string_view text) = 0;
    // Shows the error modally over `parent`, with the message-source name "NXWIN".
    virtual void Show(HWND parent) = 0;

protected:
    virtual ~SOFError() = default;
};

// An error slot holding this value carries an error that was already reported: it is not shown
// again and not destroyed.
inline SOFError* ErrorAlreadyReported() {
    return reinterpret_cast<SOFError*>(static_cast<std::uintptr_t>(0xDEADBEEFu));
}
inline bool IsAlreadyReported(const SOFError* error) { return error == ErrorAlreadyReported(); }

}  // namespace ptp::host
