#pragma once
// The service's mail relay: its address and host name for the host table, the service the
// account subscribes to, and whether further routes follow on the routes page.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerSmtpServerWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerSmtpServerWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] std::string GetAddress() const;
    [[nodiscard]] std::string GetHostName() const;
    // The relay's network (its address with the last number 0), routed with mask 255.255.255.0.
    [[nodiscard]] std::string GetRelayNetwork() const;
    [[nodiscard]] bool WantsMoreRoutes() const { return m_nRouteChoice == 1; }

  protected:
    bool CheckPage() override;

  private:
    std::string m_strAddress;
    std::string m_strHostName;
    int m_nService = 3;
    int m_nRouteChoice = 0;
};

}  // namespace ptp::wizard
