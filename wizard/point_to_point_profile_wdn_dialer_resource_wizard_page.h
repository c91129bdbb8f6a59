#pragma once
// The communications port of the line: ports with an internal modem, or ports for an external
// one.
#include <string>
#include <vector>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

struct CWDNPort;

class CPointToPointProfileWDNDialerResourceWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerResourceWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    // The chosen port; null before one is chosen.
    [[nodiscard]] const CWDNPort* GetPort() const { return m_pPort; }

  protected:
    bool CheckPage() override;

  private:
    void Fill();
    void OnKindChanged();

    int m_nKind = 0;  // 0 internal modem, 1 external modem
    std::vector<const CWDNPort*> m_shown;
    const CWDNPort* m_pPort = nullptr;
};

}  // namespace ptp::wizard
