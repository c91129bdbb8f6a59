#pragma once
// Further networks the connection reaches, added and removed one by one.
#include <string>
#include <vector>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerRoutingWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerRoutingWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    [[nodiscard]] const std::vector<std::string>& GetNetworks() const { return m_networks; }

  private:
    void OnAdd();
    void OnRemove();
    void Fill();

    std::vector<std::string> m_networks;
};

}  // namespace ptp::wizard
