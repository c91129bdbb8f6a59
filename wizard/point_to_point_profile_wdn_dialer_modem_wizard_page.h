#pragma once
// The modem attached to the line, chosen from the modems the system knows.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerModemWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerModemWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    [[nodiscard]] std::string GetModem() const;

  protected:
    bool CheckPage() override;

  private:
    std::string m_strModem;
};

}  // namespace ptp::wizard
