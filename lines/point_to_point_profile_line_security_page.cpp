#include "lines/point_to_point_profile_line_security_page.h"

#include "lines/point_to_point_profile_line_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineSecurityPage::CPointToPointProfileLineSecurityPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_SECURITY, pSheet) {
    m_authority.Attach(*this);
}

ui::BOOL CPointToPointProfileLineSecurityPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    m_authority.Initialize(*this, m_pSheet->GetSystemName());
    return ui::TRUE;
}

void CPointToPointProfileLineSecurityPage::DoDataExchange(ui::CDataExchange* pDX) {
    m_authority.Exchange(pDX);
}

bool CPointToPointProfileLineSecurityPage::Validate() {
    if (m_authority.IsValid()) return true;
    ShowProblem(IDS_LINE_AUTL_REQUIRED, IDC_LINE_AUT_LIST_NAME);
    return false;
}

void CPointToPointProfileLineSecurityPage::Collect(CLineCommandValues& values) {
    values.strAuthority = m_authority.Value();
}

}  // namespace ptp::lines
