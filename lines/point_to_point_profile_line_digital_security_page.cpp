#include "lines/point_to_point_profile_line_digital_security_page.h"

#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineDigitalSecurityPage::CPointToPointProfileLineDigitalSecurityPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_LINE_SECURITY, pSheet) {
    m_authority.Attach(*this);
}

ui::BOOL CPointToPointProfileLineDigitalSecurityPage::OnInitDialog() {
    CDigitalLinePage::OnInitDialog();
    m_authority.Initialize(*this, m_pSheet->GetSystemName());
    return ui::TRUE;
}

void CPointToPointProfileLineDigitalSecurityPage::DoDataExchange(ui::CDataExchange* pDX) {
    m_authority.Exchange(pDX);
}

bool CPointToPointProfileLineDigitalSecurityPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_authority.IsValid()) return true;
    ShowProblem(IDS_LINE_AUTL_REQUIRED, IDC_LINE_AUT_LIST_NAME);
    return false;
}

void CPointToPointProfileLineDigitalSecurityPage::Collect(CDigitalLineValues& values) {
    values.strAuthority = m_authority.Value();
}

}  // namespace ptp::lines
