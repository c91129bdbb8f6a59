#pragma once
// Where the client's message boxes go: the toolkit's message box in the console, a recorder in
// tests, stderr in ptpctl. The presenter is modal: it returns when the user closed the box.
#include <string_view>

#include "platform/com/wintypes.h"

namespace ptp::host {

// The message-source name every server message box carries.
inline constexpr std::string_view kMessageSource = "NXWIN";
inline constexpr int kStyleWarning = 48;

class IMessagePresenter {
  public:
    virtual ~IMessagePresenter() = default;
    virtual void Present(std::string_view text, std::string_view source, HWND parent,
                         int style) = 0;
};

}  // namespace ptp::host
