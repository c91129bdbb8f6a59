#include "lines/point_to_point_profile_line_digital_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/digital_line_values.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_digital.h"

namespace ptp::lines {
namespace {

constexpr std::size_t kAttributeCapacity = 512;
constexpr int kCommandMode = 1;

}  // namespace

CPointToPointProfileLineDigitalPropertySheet::CPointToPointProfileLineDigitalPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd),
      m_GeneralPage(this),
      m_NwiPage(this),
      m_ConnectionPage(this),
      m_LinkPage(this),
      m_LCPPage(this),
      m_CnnlstPage(this),
      m_SecurityPage(this) {
    // A new line is created once, by OK; there is nothing to apply before that.
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
    AddPage(&m_GeneralPage);
    AddPage(&m_NwiPage);
    AddPage(&m_ConnectionPage);
    AddPage(&m_LinkPage);
    AddPage(&m_LCPPage);
}

CPointToPointProfileLineDigitalPropertySheet::~CPointToPointProfileLineDigitalPropertySheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

ui::INT_PTR CPointToPointProfileLineDigitalPropertySheet::DoModal() {
    host::IHost* host = host::GetHost();
    const bool read =
        host && m_NwiPage.LoadServerData() && (!IsSwitched() || m_CnnlstPage.LoadServerData());
    if (!read) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    if (!IsNewMode()) {
        m_pLineObject = host->Objects().CreateObject(
            kinds::kLine, host::kClientName, config::ToUpper(m_strSystemName),
            config::ToUpper(m_strExistingLineName), &m_ErrorHandle);
        if (!m_pLineObject || m_ErrorHandle) {
            Fail(m_ErrorHandle);
            return CPropertySheet::DoModal();
        }
    }
    if (IsSwitched()) AddPage(&m_CnnlstPage);
    if (IsNewMode()) AddPage(&m_SecurityPage);
    SetTitle(IsNewMode()
                 ? ui::FormatResource(IDS_DLINE_NEW_CAPTION, {m_strSystemName})
                 : ui::FormatResource(IDS_DLINE_PROPERTIES_CAPTION,
                                      {ui::DisplayName(m_strExistingLineName), m_strSystemName}));
    return CPropertySheet::DoModal();
}

ui::BOOL CPointToPointProfileLineDigitalPropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileLineDigitalPropertySheet::Fail(host::SOFError*& error) {
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (m_bFailed) return;
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

std::string CPointToPointProfileLineDigitalPropertySheet::GetLineText(int id,
                                                                      std::string_view fallback) {
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

void CPointToPointProfileLineDigitalPropertySheet::SetLineText(int id, std::string_view value) {
    if (m_pLineObject) m_pLineObject->SetAttribute(id, value);
}

bool CPointToPointProfileLineDigitalPropertySheet::LineNameExists(std::string_view name) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto line = host->Objects().CreateObject(kinds::kLine, host::kClientName,
                                             config::ToUpper(m_strSystemName),
                                             config::ToUpper(name), &error);
    const std::string found =
        line && !error ? line->GetAttributeText(attr::line::kName, &error) : std::string();
    host::ShowAndDestroy(error, GetSafeHwnd());
    return !found.empty();
}

std::string CPointToPointProfileLineDigitalPropertySheet::SwitchedConnection() {
    m_ConnectionPage.EnsureLoaded();
    return m_ConnectionPage.SwitchedConnection();
}

bool CPointToPointProfileLineDigitalPropertySheet::RunCommand(const std::string& command,
                                                              std::string_view ignored) {
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

bool CPointToPointProfileLineDigitalPropertySheet::ValidatePages() {
    std::array<CDigitalLinePage*, 7> pages = {&m_GeneralPage, &m_ConnectionPage, &m_LinkPage,
                                              &m_LCPPage,     &m_NwiPage,        &m_CnnlstPage,
                                              &m_SecurityPage};
    for (CDigitalLinePage* page : pages) {
        if (GetPageIndex(page) < 0) continue;
        if (!IsNewMode() && !page->IsCreated()) continue;
        page->EnsureLoaded();
        if (!page->Validate()) return false;
    }
    return true;
}

int CPointToPointProfileLineDigitalPropertySheet::Commit() {
    if (m_bFailed || !ValidatePages()) return 2;
    // An existing leased line changes through its object.
    if (!IsNewMode() && IsLeased()) {
        for (CDigitalLinePage* page : std::array<CDigitalLinePage*, 5>{
                 &m_GeneralPage, &m_NwiPage, &m_ConnectionPage, &m_LinkPage, &m_LCPPage}) {
            if (page->IsCreated()) page->Store();
        }
        m_pLineObject->Commit(&m_ErrorHandle);
        if (!m_ErrorHandle) return 0;
        // Refused, the sheet stays open with what the user typed; the next OK stores it again.
        m_pLineObject->Discard();
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        return 2;
    }
    if (!IsNewMode() && !IsSwitched()) return 0;
    CDigitalLineValues values;
    for (CDigitalLinePage* page : std::array<CDigitalLinePage*, 7>{
             &m_GeneralPage, &m_NwiPage, &m_ConnectionPage, &m_LinkPage, &m_LCPPage, &m_CnnlstPage,
             &m_SecurityPage}) {
        if (GetPageIndex(page) < 0) continue;
        page->EnsureLoaded();
        page->Collect(values);
    }
    if (IsSwitched() && !m_CnnlstPage.CommitLists()) return 2;
    if (!IsNewMode()) {
        values.strLineName = config::ToUpper(m_strExistingLineName);
        return RunCommand(BuildChangeSwitchedDigitalLineCommand(values)) ? 0 : 2;
    }
    const std::string command = IsSwitched() ? BuildCreateSwitchedDigitalLineCommand(values)
                                             : BuildCreateLeasedDigitalLineCommand(values);
    if (!RunCommand(command)) return 2;
    m_bCreated = true;
    return 0;
}

}  // namespace ptp::lines
