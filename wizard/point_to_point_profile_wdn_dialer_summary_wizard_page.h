#pragma once
// The last page: what Finish is about to set up.
#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerSummaryWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerSummaryWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnSetActive() override;
};

}  // namespace ptp::wizard
