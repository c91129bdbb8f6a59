#include "wizard/point_to_point_profile_wdn_dialer_routing_wizard_page.h"

#include <algorithm>

#include "resources/ids/wizard.h"
#include "wizard/wdn_network_address.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerRoutingWizardPage::CPointToPointProfileWDNDialerRoutingWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_ROUTING, pWizard) {
    OnClicked(IDC_WDN_ROUTE_ADD, [this] { OnAdd(); });
    OnClicked(IDC_WDN_ROUTE_REMOVE, [this] { OnRemove(); });
}

ui::BOOL CPointToPointProfileWDNDialerRoutingWizardPage::OnInitDialog() {
    CWDNDialerWizardPage::OnInitDialog();
    Fill();
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerRoutingWizardPage::Fill() {
    ui::CListBox& list = ListBox(IDC_WDN_ROUTE_LIST);
    list.ResetContent();
    for (const std::string& network : m_networks)
        list.AddString(network);
    Button(IDC_WDN_ROUTE_REMOVE).EnableWindow(!m_networks.empty());
}

void CPointToPointProfileWDNDialerRoutingWizardPage::OnAdd() {
    const std::string network = NetworkOf(GetDlgItemText(IDC_WDN_ROUTE_ADDRESS));
    if (network.empty()) {
        Refuse(IDS_WDN_ROUTE_ADDRESS_INVALID, IDC_WDN_ROUTE_ADDRESS);
        return;
    }
    if (std::find(m_networks.begin(), m_networks.end(), network) == m_networks.end())
        m_networks.push_back(network);
    SetDlgItemText(IDC_WDN_ROUTE_ADDRESS, "");
    Fill();
}

void CPointToPointProfileWDNDialerRoutingWizardPage::OnRemove() {
    const int selected = ListBox(IDC_WDN_ROUTE_LIST).GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(m_networks.size())) return;
    m_networks.erase(m_networks.begin() + selected);
    Fill();
}

}  // namespace ptp::wizard
