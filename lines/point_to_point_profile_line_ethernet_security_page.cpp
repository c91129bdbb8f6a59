#include "lines/point_to_point_profile_line_ethernet_security_page.h"

#include "lines/point_to_point_profile_line_ethernet_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineEthernetSecurityPage::CPointToPointProfileLineEthernetSecurityPage(
    CPointToPointProfileLineEthernetPropertySheet* pSheet)
    : CLinePageBase(IDD_LINE_SECURITY), m_pSheet(pSheet) {
    m_authority.Attach(*this);
}

ui::BOOL CPointToPointProfileLineEthernetSecurityPage::OnInitDialog() {
    CLinePageBase::OnInitDialog();
    m_authority.Initialize(*this, m_pSheet->GetSystemName());
    return ui::TRUE;
}

void CPointToPointProfileLineEthernetSecurityPage::DoDataExchange(ui::CDataExchange* pDX) {
    m_authority.Exchange(pDX);
}

bool CPointToPointProfileLineEthernetSecurityPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_authority.IsValid()) return true;
    ShowProblem(IDS_LINE_AUTL_REQUIRED, IDC_LINE_AUT_LIST_NAME);
    return false;
}

void CPointToPointProfileLineEthernetSecurityPage::Collect(CEthernetLineValues& values) const {
    values.strAuthority = m_authority.Value();
}

}  // namespace ptp::lines
