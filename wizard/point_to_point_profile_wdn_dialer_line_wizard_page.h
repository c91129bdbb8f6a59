#pragma once
// The chosen port already carries lines that dial out: use one of them, or create a new one.
#include <string>
#include <vector>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerLineWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerLineWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    [[nodiscard]] bool CreatesNewLine() const { return m_nChoice == 1; }
    [[nodiscard]] const std::string& GetLine() const { return m_strLine; }

  protected:
    bool CheckPage() override;

  private:
    int m_nChoice = 0;  // 0 the selected line, 1 a new line
    std::vector<std::string> m_shown;
    std::string m_strLine;
};

}  // namespace ptp::wizard
