#pragma once
// The name of the line pool the profile dials out on: a new pool, or one that exists.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerLinePoolWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerLinePoolWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    [[nodiscard]] std::string GetPoolName() const;

  protected:
    bool CheckPage() override;

  private:
    std::string m_strName;
};

}  // namespace ptp::wizard
