#pragma once
// The number the profile dials, and a different one it dials when the first does not answer.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerPhoneNumberWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerPhoneNumberWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    void DoDataExchange(ui::CDataExchange* pDX) override;
    [[nodiscard]] std::string GetPrimary() const;
    [[nodiscard]] std::string GetBackup() const;

  protected:
    bool CheckPage() override;

  private:
    std::string m_strPrimary;
    std::string m_strBackup;
};

}  // namespace ptp::wizard
