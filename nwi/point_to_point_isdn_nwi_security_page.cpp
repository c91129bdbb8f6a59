#include "nwi/point_to_point_isdn_nwi_security_page.h"

#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::nwi {

CPointToPointIsdnNwiSecurityPage::CPointToPointIsdnNwiSecurityPage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_LINE_SECURITY, pSheet) {
    m_authority.Attach(*this);
}

ui::BOOL CPointToPointIsdnNwiSecurityPage::OnInitDialog() {
    CNwiPage::OnInitDialog();
    m_authority.Initialize(*this, m_pSheet->GetSystemName());
    return ui::TRUE;
}

void CPointToPointIsdnNwiSecurityPage::DoDataExchange(ui::CDataExchange* pDX) {
    m_authority.Exchange(pDX);
}

bool CPointToPointIsdnNwiSecurityPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_authority.IsValid()) return true;
    ShowProblem(IDS_LINE_AUTL_REQUIRED, IDC_LINE_AUT_LIST_NAME);
    return false;
}

void CPointToPointIsdnNwiSecurityPage::Collect(CNwiCommandValues& values) {
    values.strAuthority = m_authority.Value();
}

}  // namespace ptp::nwi
