#pragma once
// The profile's name and the account the service assigned: user ID, description and password.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerAccountWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerAccountWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] const std::string& GetProfileName() const { return m_strProfileName; }
    [[nodiscard]] const std::string& GetUserId() const { return m_strUserId; }
    [[nodiscard]] const std::string& GetDescription() const { return m_strDescription; }
    [[nodiscard]] const std::string& GetPassword() const { return m_strPassword; }

  protected:
    bool CheckPage() override;

  private:
    std::string m_strProfileName;
    std::string m_strUserId;
    std::string m_strDescription;
    std::string m_strPassword;
};

}  // namespace ptp::wizard
