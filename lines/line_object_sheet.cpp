#include "lines/line_object_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_page_base.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/kinds.h"

namespace ptp::lines {
namespace {

constexpr std::size_t kAttributeCapacity = 512;
constexpr int kCommandMode = 1;

}  // namespace

CLineObjectSheet::CLineObjectSheet(std::string_view caption, ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd) {
    // A new line is created once, by OK; there is nothing to apply before that.
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
}

CLineObjectSheet::~CLineObjectSheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

ui::BOOL CLineObjectSheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

bool CLineObjectSheet::OpenLineObject(host::IHost& host) {
    m_pLineObject = host.Objects().CreateObject(
        kinds::kLine, host::kClientName, config::ToUpper(m_strSystemName),
        config::ToUpper(m_strExistingLineName), &m_ErrorHandle);
    if (m_pLineObject && !m_ErrorHandle) return true;
    Fail(m_ErrorHandle);
    return false;
}

void CLineObjectSheet::Fail(host::SOFError*& error) {
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (m_bFailed) return;
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

std::string CLineObjectSheet::GetLineText(int id, std::string_view fallback) {
    if (!m_pLineObject || m_bFailed) return std::string(fallback);
    std::array<char, kAttributeCapacity> buffer{};
    m_pLineObject->GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    if (m_ErrorHandle) {
        Fail(m_ErrorHandle);
        return std::string(fallback);
    }
    const std::string text = buffer.data();
    return text.empty() ? std::string(fallback) : text;
}

void CLineObjectSheet::SetLineText(int id, std::string_view value) {
    if (m_pLineObject) m_pLineObject->SetAttribute(id, value);
}

int CLineObjectSheet::CommitLineObject() {
    m_pLineObject->Commit(&m_ErrorHandle);
    if (!m_ErrorHandle) return 0;
    // Refused, the sheet stays open with what the user typed; the next OK stores it again.
    m_pLineObject->Discard();
    host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
    return 2;
}

bool CLineObjectSheet::RunCommand(const std::string& command, std::string_view ignored) {
    int status = 0;
    auto connection =
        host::GetHost()->Commands().OpenConnection(m_strSystemName, kCommandMode, status);
    if (!connection) return false;
    const std::string reply = connection->RunCommand(command);
    if (reply.empty()) return true;
    if (!ignored.empty() && reply.compare(0, ignored.size(), ignored) == 0) return true;
    ui::AfxMessageBox(reply, kLineMessageStyle);
    return false;
}

}  // namespace ptp::lines
