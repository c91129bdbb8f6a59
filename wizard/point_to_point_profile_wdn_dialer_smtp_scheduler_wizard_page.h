#pragma once
// Whether the mail service dials out with the profile on a schedule, and how often.
#include <string>

#include "wizard/wdn_dialer_wizard_page.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerSmtpSchedulerWizardPage : public CWDNDialerWizardPage {
  public:
    explicit CPointToPointProfileWDNDialerSmtpSchedulerWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool IsScheduled() const { return m_nScheduled != 0; }
    // Minutes between dials; empty for the list's first entry, the mail service's own interval.
    [[nodiscard]] std::string GetInterval() const;

  private:
    void OnScheduledChanged();

    int m_nScheduled = 0;
    int m_nInterval = 0;
};

}  // namespace ptp::wizard
