#pragma once
// Shown when the system already has lines that dial out: one line, a new line pool made of those
// lines, or a line pool that exists.
#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerConnectionWizardPage : public CWDNDialerWizardPage {
  public:
    static constexpr int kOneLine = 0;
    static constexpr int kNewPool = 1;
    static constexpr int kExistingPool = 2;

    explicit CPointToPointProfileWDNDialerConnectionWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    [[nodiscard]] int GetChoice() const { return m_nChoice; }
    [[nodiscard]] bool UsesLinePool() const { return m_nChoice != kOneLine; }

  private:
    int m_nChoice = kOneLine;
};

}  // namespace ptp::wizard
