#pragma once
// Host routes through the connection to the servers of the service the account subscribes to.
#include <string>
#include <vector>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerServerWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerServerWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    // The server addresses to route to for `serviceKind`; none when routes are off.
    [[nodiscard]] std::vector<std::string> GetServers(std::string_view serviceKind) const;

  private:
    void OnRoutesChanged();

    int m_nRoutes = 1;
    int m_nWhich = 0;  // 0 every server, 1 the first one only
};

}  // namespace ptp::wizard
