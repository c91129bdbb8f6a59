#include "host/server_error.h"

namespace ptp::host {

std::string ErrorDisplayText(const SOFError& error) {
    std::string id = error.GetMessageId();
    if (id.empty()) return error.GetText();
    return id + ": " + error.GetText();
}

std::string ServerError::DisplayText() const {
    return ErrorDisplayText(*this);
}

void ServerError::Show(HWND parent) {
    if (!m_presenter) return;
    m_presenter->Present(DisplayText(), kMessageSource, parent, kStyleWarning);
}

void ReportError(SOFError** slot, int kind, std::string_view messageId, std::string_view text,
                 IMessagePresenter* presenter) {
    if (!slot) return;
    *slot = new ServerError(kind, std::string(messageId), std::string(text), presenter);
}

}  // namespace ptp::host
