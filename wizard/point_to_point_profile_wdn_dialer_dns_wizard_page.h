#pragma once
// A name server of the user's own, or the one the service names as the link comes up.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerDNSWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerDNSWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    // The address given; empty when the service names the name server.
    [[nodiscard]] std::string GetDnsAddress() const;

  protected:
    bool CheckPage() override;

  private:
    void OnUseChanged();

    int m_nUse = 0;
    std::string m_strAddress;
};

}  // namespace ptp::wizard
