#pragma once
// The error objects the in-process client hands out: a server message (kind 4, shown by the
// common message dialog) or a failure of the client itself, each with its trace text.
#include <string>
#include <string_view>

#include "host/message_presenter.h"
#include "host/sof_error.h"

namespace ptp::host {

// Error kinds besides SOFError::kKindMessage.
inline constexpr int kKindCommunication = 1;  // the server cannot be reached
inline constexpr int kKindInternal = 2;       // the client failed (allocation, bad state)
inline constexpr int kKindUsage = 3;          // a call the object cannot serve (index, state)

class ServerError final : public SOFError {
  public:
    ServerError(int kind, std::string messageId, std::string text, IMessagePresenter* presenter)
        : m_kind(kind),
          m_messageId(std::move(messageId)),
          m_text(std::move(text)),
          m_presenter(presenter) {}

    void Destroy() override { delete this; }
    int GetKind() const override { return m_kind; }
    std::string GetMessageId() const override { return m_messageId; }
    std::string GetText() const override { return m_text; }
    std::string GetTraceText() const override { return m_trace; }
    void SetTraceText(std::string_view text) override { m_trace = std::string(text); }
    // Errors that are not server messages show themselves the same way: one message box.
    void Show(HWND parent) override;

    // "CPF2105: Object PRF1 of type Profile not found." or the bare text without an id.
    std::string DisplayText() const;

  private:
    ~ServerError() override = default;

    int m_kind;
    std::string m_messageId;
    std::string m_text;
    std::string m_trace;
    IMessagePresenter* m_presenter;
};

// Stores a new error in `slot` when the caller gave one; a caller without a slot does not learn
// about the failure, so nothing leaks.
void ReportError(SOFError** slot, int kind, std::string_view messageId, std::string_view text,
                 IMessagePresenter* presenter);
inline void ClearError(SOFError** slot) {
    if (slot) *slot = nullptr;
}

// The text a message box shows for any error object.
std::string ErrorDisplayText(const SOFError& error);

}  // namespace ptp::host
