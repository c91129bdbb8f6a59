#pragma once
// The network service the account subscribes to.
#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerNetworkWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerNetworkWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    void DoDataExchange(ui::CDataExchange* pDX) override;

  protected:
    bool CheckPage() override;

  private:
    int m_nChoice = -1;
};

}  // namespace ptp::wizard
