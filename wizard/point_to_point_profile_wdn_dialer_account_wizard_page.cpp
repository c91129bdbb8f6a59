#include "wizard/point_to_point_profile_wdn_dialer_account_wizard_page.h"

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"
#include "wizard/wdn_dialer_names.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerAccountWizardPage::CPointToPointProfileWDNDialerAccountWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_ACCOUNT, pWizard), m_strProfileName(kStandardProfileName) {}

void CPointToPointProfileWDNDialerAccountWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_WDN_PROFILE_NAME, m_strProfileName);
    ui::DDX_Text(pDX, IDC_WDN_USER_ID, m_strUserId);
    ui::DDX_Text(pDX, IDC_WDN_DESCRIPTION, m_strDescription);
    ui::DDX_Text(pDX, IDC_WDN_PASSWORD, m_strPassword);
}

bool CPointToPointProfileWDNDialerAccountWizardPage::CheckPage() {
    m_strProfileName = config::ToUpper(config::Trim(m_strProfileName));
    SetDlgItemText(IDC_WDN_PROFILE_NAME, m_strProfileName);
    if (m_strProfileName.empty())
        return Refuse(IDS_WDN_PROFILE_NAME_REQUIRED, IDC_WDN_PROFILE_NAME);
    if (lines::HasBlank(m_strProfileName))
        return Refuse(IDS_WDN_PROFILE_NAME_BLANK, IDC_WDN_PROFILE_NAME);
    if (m_pWizard->IsForeignProfile(m_strProfileName))
        return Refuse(IDS_WDN_PROFILE_NAME_EXISTS, IDC_WDN_PROFILE_NAME, {m_strProfileName});
    return true;
}

}  // namespace ptp::wizard
