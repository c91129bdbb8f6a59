#include "wizard/point_to_point_profile_wdn_dialer_smtp_server_wizard_page.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"
#include "wizard/wdn_dialer_names.h"
#include "wizard/wdn_network_address.h"
#include "wizard/wdn_service_kinds.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerSmtpServerWizardPage::
    CPointToPointProfileWDNDialerSmtpServerWizardPage(CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_SMTP_SERVER, pWizard), m_strHostName(kRouterHostName) {}

ui::BOOL CPointToPointProfileWDNDialerSmtpServerWizardPage::OnInitDialog() {
    ui::CComboBox& services = ComboBox(IDC_WDN_SMTP_SERVICE);
    services.ResetContent();
    for (int index = 0; index < ServiceKindCount(); ++index)
        services.AddString(ui::LoadText(ServiceKindAt(index)->label));
    CWDNDialerWizardPage::OnInitDialog();
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerSmtpServerWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_WDN_SMTP_ADDRESS, m_strAddress);
    ui::DDX_Text(pDX, IDC_WDN_SMTP_HOST, m_strHostName);
    ui::DDX_CBIndex(pDX, IDC_WDN_SMTP_SERVICE, m_nService);
    ui::DDX_Radio(pDX, IDC_WDN_SMTP_RELAY_NETWORK, m_nRouteChoice);
}

std::string CPointToPointProfileWDNDialerSmtpServerWizardPage::GetAddress() const {
    return std::string(config::Trim(m_strAddress));
}

std::string CPointToPointProfileWDNDialerSmtpServerWizardPage::GetHostName() const {
    return std::string(config::Trim(m_strHostName));
}

std::string CPointToPointProfileWDNDialerSmtpServerWizardPage::GetRelayNetwork() const {
    return NetworkOf(GetAddress());
}

bool CPointToPointProfileWDNDialerSmtpServerWizardPage::CheckPage() {
    if (!host::CBaseTCPIPAddress(GetAddress()).IsValid())
        return Refuse(IDS_WDN_SMTP_ADDRESS_INVALID, IDC_WDN_SMTP_ADDRESS);
    if (GetHostName().empty()) return Refuse(IDS_WDN_SMTP_HOST_REQUIRED, IDC_WDN_SMTP_HOST);
    const CWDNServiceKind* kind = ServiceKindAt(m_nService);
    if (kind) m_pWizard->SetServiceKind(kind->name);
    return true;
}

}  // namespace ptp::wizard
