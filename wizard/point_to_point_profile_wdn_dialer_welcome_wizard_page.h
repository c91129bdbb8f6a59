#pragma once
// The first page: what the wizard is about to set up.
#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerWelcomeWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerWelcomeWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);
};

}  // namespace ptp::wizard
