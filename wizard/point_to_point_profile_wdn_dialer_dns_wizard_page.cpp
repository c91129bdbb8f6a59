#include "wizard/point_to_point_profile_wdn_dialer_dns_wizard_page.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerDNSWizardPage::CPointToPointProfileWDNDialerDNSWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_DNS, pWizard) {
    OnClicked(IDC_WDN_DNS_ON, [this] { OnUseChanged(); });
}

ui::BOOL CPointToPointProfileWDNDialerDNSWizardPage::OnInitDialog() {
    CWDNDialerWizardPage::OnInitDialog();
    OnUseChanged();
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerDNSWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_WDN_DNS_ON, m_nUse);
    ui::DDX_Text(pDX, IDC_WDN_DNS_ADDRESS, m_strAddress);
}

void CPointToPointProfileWDNDialerDNSWizardPage::OnUseChanged() {
    Edit(IDC_WDN_DNS_ADDRESS).EnableWindow(IsDlgButtonChecked(IDC_WDN_DNS_ON) != 0);
}

std::string CPointToPointProfileWDNDialerDNSWizardPage::GetDnsAddress() const {
    return m_nUse ? std::string(config::Trim(m_strAddress)) : std::string();
}

bool CPointToPointProfileWDNDialerDNSWizardPage::CheckPage() {
    if (!m_nUse) return true;
    if (host::CBaseTCPIPAddress(config::Trim(m_strAddress)).IsValid()) return true;
    return Refuse(IDS_WDN_DNS_ADDRESS_INVALID, IDC_WDN_DNS_ADDRESS);
}

}  // namespace ptp::wizard
