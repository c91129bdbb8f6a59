#include "wizard/point_to_point_profile_wdn_dialer_network_wizard_page.h"

#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"
#include "wizard/wdn_service_kinds.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerNetworkWizardPage::CPointToPointProfileWDNDialerNetworkWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_NETWORK, pWizard) {}

void CPointToPointProfileWDNDialerNetworkWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_WDN_NETWORK_SECUREIP, m_nChoice);
}

bool CPointToPointProfileWDNDialerNetworkWizardPage::CheckPage() {
    const CWDNServiceKind* kind = ServiceKindAt(m_nChoice);
    if (!kind) return Refuse(IDS_WDN_NETWORK_REQUIRED, IDC_WDN_NETWORK_SECUREIP);
    m_pWizard->SetServiceKind(kind->name);
    return true;
}

}  // namespace ptp::wizard
