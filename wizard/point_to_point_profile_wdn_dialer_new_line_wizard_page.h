#pragma once
// The new line on the chosen port: name, description, interface, speed, frame size, inactivity
// timer, message queue and the authority others get.
#include <string>

#include "wizard/wdn_dialer_commands.h"
#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerNewLineWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerNewLineWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // The command values; the resource and modem are the caller's to fill in.
    [[nodiscard]] CWDNNewLineValues GetValues() const;
    [[nodiscard]] std::string GetLineName() const;

  protected:
    bool CheckPage() override;

  private:
    void OnAuthorityChanged();
    [[nodiscard]] bool UsesAuthorizationList() const;

    std::string m_strName;
    std::string m_strDescription;
    int m_nInterface = 0;
    std::string m_strLineSpeed = "115200";
    int m_nMaxFrame = 2048;
    std::string m_strInactivityTimer;
    std::string m_strMessageQueue;
    int m_nAuthority = 3;
    std::string m_strAuthorizationList;
    std::string m_strProposedFor;  // the port the proposed name was made for
};

}  // namespace ptp::wizard
