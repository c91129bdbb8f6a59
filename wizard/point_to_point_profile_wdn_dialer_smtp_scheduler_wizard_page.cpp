#include "wizard/point_to_point_profile_wdn_dialer_smtp_scheduler_wizard_page.h"

#include <array>

#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/wizard.h"

namespace ptp::wizard {

namespace {
// The intervals offered after the mail service's own, in minutes.
constexpr std::array<int, 5> kIntervals = {15, 30, 60, 120, 240};
}  // namespace

CPointToPointProfileWDNDialerSmtpSchedulerWizardPage::
    CPointToPointProfileWDNDialerSmtpSchedulerWizardPage(
        CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_SMTP_SCHEDULER, pWizard) {
    OnClicked(IDC_WDN_SCHEDULE_ON, [this] { OnScheduledChanged(); });
}

ui::BOOL CPointToPointProfileWDNDialerSmtpSchedulerWizardPage::OnInitDialog() {
    ui::CComboBox& intervals = ComboBox(IDC_WDN_SCHEDULE_INTERVAL);
    intervals.ResetContent();
    intervals.AddString(ui::LoadText(IDS_WDN_INTERVAL_DEFAULT));
    for (const int minutes : kIntervals)
        intervals.AddString(
            ui::FormatResource(IDS_WDN_INTERVAL_MINUTES, {std::to_string(minutes)}));
    CWDNDialerWizardPage::OnInitDialog();
    OnScheduledChanged();
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerSmtpSchedulerWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_WDN_SCHEDULE_ON, m_nScheduled);
    ui::DDX_CBIndex(pDX, IDC_WDN_SCHEDULE_INTERVAL, m_nInterval);
}

void CPointToPointProfileWDNDialerSmtpSchedulerWizardPage::OnScheduledChanged() {
    ComboBox(IDC_WDN_SCHEDULE_INTERVAL).EnableWindow(IsDlgButtonChecked(IDC_WDN_SCHEDULE_ON) != 0);
}

std::string CPointToPointProfileWDNDialerSmtpSchedulerWizardPage::GetInterval() const {
    if (m_nInterval <= 0 || m_nInterval > static_cast<int>(kIntervals.size())) return {};
    return std::to_string(kIntervals[static_cast<std::size_t>(m_nInterval - 1)]);
}

}  // namespace ptp::wizard
