#include "lines/point_to_point_profile_line_pool_property_sheet.h"

#include "host/server_calls.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/display_name.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLinePoolPropertySheet::CPointToPointProfileLinePoolPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd), m_GeneralPage(this) {
    m_psh.dwFlags |= ui::PSH_HASHELP;
    AddPage(&m_GeneralPage);
}

CPointToPointProfileLinePoolPropertySheet::~CPointToPointProfileLinePoolPropertySheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

bool CPointToPointProfileLinePoolPropertySheet::OpenList(std::string_view kind,
                                                         std::string_view filter,
                                                         std::unique_ptr<host::IServerList>& list) {
    list = host::GetHost()->Objects().CreateList(kind, host::kClientName, m_strSystemName, filter,
                                                 &m_ErrorHandle);
    if (list && !m_ErrorHandle && host::LoadList(*list, &m_ErrorHandle)) return true;
    list.reset();
    FailWith(m_ErrorHandle);
    return false;
}

ui::INT_PTR CPointToPointProfileLinePoolPropertySheet::DoModal() {
    const bool opened = host::GetHost() &&
                        OpenList(kinds::kPPPLineList, code::line_type::kPPP, m_pLineList) &&
                        OpenList(kinds::kLinePoolMemberList, "", m_pAssociationList);
    if (!opened) EndDialog(ui::IDCANCEL);
    SetTitle(Caption());
    return CPropertySheet::DoModal();
}

ui::BOOL CPointToPointProfileLinePoolPropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

std::string CPointToPointProfileLinePoolPropertySheet::Caption() const {
    if (IsNewPool()) return ui::FormatResource(IDS_LINE_POOL_NEW_CAPTION, {m_strSystemName});
    return ui::FormatResource(IDS_LINE_POOL_PROPERTIES_CAPTION,
                              {ui::DisplayName(m_strPoolName), m_strSystemName});
}

void CPointToPointProfileLinePoolPropertySheet::PoolCreated(std::string_view name) {
    m_strPoolName = name;
    SetTitle(Caption());
}

bool CPointToPointProfileLinePoolPropertySheet::RefreshLists() {
    for (host::IServerList* list : {m_pLineList.get(), m_pAssociationList.get()}) {
        list->Refresh(0, &m_ErrorHandle);
        if (m_ErrorHandle) {
            FailWith(m_ErrorHandle);
            return false;
        }
    }
    return true;
}

void CPointToPointProfileLinePoolPropertySheet::FailWith(host::SOFError*& error) {
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (m_bFailed) return;
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

bool CPointToPointProfileLinePoolPropertySheet::OpenLineSheet(const std::string& lineName) {
    CPointToPointProfileLinePropertySheet sheet(ui::LoadText(IDS_LINE_NEW_CAPTION), this);
    sheet.SetSystemName(m_strSystemName);
    sheet.SetExistingLineName(lineName);
    sheet.SetParentProfile(m_profile);
    sheet.SetCapabilityA(m_bCapabilityA);
    sheet.SetCapabilityB(m_bCapabilityB);
    sheet.SetCapabilityC(m_bCapabilityC);
    sheet.SetRelease050200(m_bRelease050200);
    sheet.SetChangesAllowed(m_bChangesAllowed);
    sheet.SetLineList(m_pLineList.get());
    sheet.SetLineAssociationList(m_pAssociationList.get());
    if (sheet.DoModal() != ui::IDOK) return false;
    m_bChanged = true;
    return true;
}

}  // namespace ptp::lines
