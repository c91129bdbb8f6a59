#include "wizard/point_to_point_profile_wdn_dialer_welcome_wizard_page.h"

#include "resources/ids/wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerWelcomeWizardPage::CPointToPointProfileWDNDialerWelcomeWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_WELCOME, pWizard) {}

}  // namespace ptp::wizard
