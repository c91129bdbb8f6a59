#include "nwi/point_to_point_isdn_nwi_security_page.h"

#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::nwi {

CPointToPointIsdnNwiSecurityPage::CPointToPointIsdnNwiSecurityPage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_LINE_SECURITY, pSheet) {
    for (int id : {IDC_LINE_AUT_LIBCRTAUT, IDC_LINE_AUT_EXCLUDE, IDC_LINE_AUT_USE,
                   IDC_LINE_AUT_CHANGE, IDC_LINE_AUT_ALL, IDC_LINE_AUT_LIST}) {
        OnClicked(id, [this] {
            UpdateData(ui::TRUE);
            m_authority.UpdateControls(*this);
        });
    }
}

ui::BOOL CPointToPointIsdnNwiSecurityPage::OnInitDialog() {
    CNwiPage::OnInitDialog();
    lines::CLineAuthorityChoice::FillAuthorizationLists(*this, m_pSheet->GetSystemName());
    m_authority.UpdateControls(*this);
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
