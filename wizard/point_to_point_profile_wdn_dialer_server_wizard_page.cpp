#include "wizard/point_to_point_profile_wdn_dialer_server_wizard_page.h"

#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/wdn_service_kinds.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerServerWizardPage::CPointToPointProfileWDNDialerServerWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_SERVER, pWizard) {
    OnClicked(IDC_WDN_SERVER_ROUTES, [this] { OnRoutesChanged(); });
}

ui::BOOL CPointToPointProfileWDNDialerServerWizardPage::OnInitDialog() {
    CWDNDialerWizardPage::OnInitDialog();
    OnRoutesChanged();
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerServerWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_WDN_SERVER_ROUTES, m_nRoutes);
    ui::DDX_Radio(pDX, IDC_WDN_SERVER_ALL, m_nWhich);
}

void CPointToPointProfileWDNDialerServerWizardPage::OnRoutesChanged() {
    const bool on = IsDlgButtonChecked(IDC_WDN_SERVER_ROUTES) != 0;
    Button(IDC_WDN_SERVER_ALL).EnableWindow(on);
    Button(IDC_WDN_SERVER_FIRST).EnableWindow(on);
}

std::vector<std::string> CPointToPointProfileWDNDialerServerWizardPage::GetServers(
    std::string_view serviceKind) const {
    const CWDNServiceKind* kind = FindServiceKind(serviceKind);
    if (!m_nRoutes || !kind) return {};
    if (m_nWhich == 1) return {std::string(kind->servers[0])};
    return {std::string(kind->servers[0]), std::string(kind->servers[1])};
}

}  // namespace ptp::wizard
