#pragma once
// How the system uses the service: an account of its own (0), the standard profile (1), or mail
// through the service's relay (2).
#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerAccessWizardPage : public CWDNDialerWizardPage {
  public:
    static constexpr int kOwnAccount = 0;
    static constexpr int kStandard = 1;
    static constexpr int kMail = 2;

    explicit CPointToPointProfileWDNDialerAccessWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    [[nodiscard]] int GetAccessType() const { return m_nAccessType; }

  protected:
    bool CheckPage() override;

  private:
    int m_nAccessType = kStandard;
};

}  // namespace ptp::wizard
