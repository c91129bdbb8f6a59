#include "wizard/point_to_point_profile_wdn_dialer_summary_wizard_page.h"

#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"
#include "wizard/wdn_dialer_summary.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerSummaryWizardPage::CPointToPointProfileWDNDialerSummaryWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_SUMMARY, pWizard) {
    SetTitleFormat(IDS_WDN_SUMMARY_TITLE);
    SetButtonMode(ui::PSWIZB_BACK | ui::PSWIZB_NEXT | ui::PSWIZB_FINISH);
}

ui::BOOL CPointToPointProfileWDNDialerSummaryWizardPage::OnSetActive() {
    SetDlgItemText(IDC_WDN_SUMMARY_TEXT, SummaryText(m_pWizard->MakePlan()));
    return CWDNDialerWizardPage::OnSetActive();
}

}  // namespace ptp::wizard
