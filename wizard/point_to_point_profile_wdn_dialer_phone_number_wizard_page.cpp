#include "wizard/point_to_point_profile_wdn_dialer_phone_number_wizard_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"

namespace ptp::wizard {

namespace {
constexpr std::size_t kMaxNumber = 48;

bool HasNumberLength(std::string_view number) {
    return !number.empty() && number.size() <= kMaxNumber;
}
}  // namespace

CPointToPointProfileWDNDialerPhoneNumberWizardPage::
    CPointToPointProfileWDNDialerPhoneNumberWizardPage(CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_PHONE_NUMBER, pWizard) {}

void CPointToPointProfileWDNDialerPhoneNumberWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_WDN_PHONE_PRIMARY, m_strPrimary);
    ui::DDX_Text(pDX, IDC_WDN_PHONE_BACKUP, m_strBackup);
}

std::string CPointToPointProfileWDNDialerPhoneNumberWizardPage::GetPrimary() const {
    return std::string(config::Trim(m_strPrimary));
}

std::string CPointToPointProfileWDNDialerPhoneNumberWizardPage::GetBackup() const {
    return std::string(config::Trim(m_strBackup));
}

bool CPointToPointProfileWDNDialerPhoneNumberWizardPage::CheckPage() {
    if (!HasNumberLength(GetPrimary())) return Refuse(IDS_WDN_PHONE_LENGTH, IDC_WDN_PHONE_PRIMARY);
    if (!HasNumberLength(GetBackup())) return Refuse(IDS_WDN_PHONE_LENGTH, IDC_WDN_PHONE_BACKUP);
    if (config::EqualsNoCase(GetPrimary(), GetBackup()))
        return Refuse(IDS_WDN_PHONE_SAME, IDC_WDN_PHONE_BACKUP);
    return true;
}

}  // namespace ptp::wizard
