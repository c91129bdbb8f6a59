#include "wizard/point_to_point_profile_wdn_dialer_access_wizard_page.h"

#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerAccessWizardPage::CPointToPointProfileWDNDialerAccessWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_ACCESS, pWizard) {}

ui::BOOL CPointToPointProfileWDNDialerAccessWizardPage::OnInitDialog() {
    // An account of its own lives in the service's validation list; without it the choice is off.
    const bool accountList = m_pWizard->Facts().HasAccountList();
    if (!accountList && m_nAccessType == kOwnAccount) m_nAccessType = kStandard;
    CWDNDialerWizardPage::OnInitDialog();
    Button(IDC_WDN_ACCESS_NEW_ACCOUNT).EnableWindow(accountList);
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerAccessWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_WDN_ACCESS_NEW_ACCOUNT, m_nAccessType);
}

bool CPointToPointProfileWDNDialerAccessWizardPage::CheckPage() {
    return m_pWizard->ReadRetainServerSecurity();
}

}  // namespace ptp::wizard
