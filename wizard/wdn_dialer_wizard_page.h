#pragma once
// What every page of the dialer wizard shares: the wizard it belongs to, the common step title,
// and Next that runs the page's checks before the wizard chooses where it leads.
#include <string>
#include <vector>

#include "wizard/wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerWizard;

class CWDNDialerWizardPage : public CWizardPage {
  public:
    CWDNDialerWizardPage(UINT nIDTemplate, CPointToPointProfileWDNDialerWizard* pWizard);

    LRESULT OnWizardNext() override;

  protected:
    // The page's checks on Next; false after a message was shown.
    virtual bool CheckPage() { return true; }
    // Shows `message` with the warning icon, puts the focus on `controlId`, and answers false.
    bool Refuse(UINT message, int controlId, const std::vector<std::string>& args = {});

    CPointToPointProfileWDNDialerWizard* m_pWizard;
};

}  // namespace ptp::wizard
