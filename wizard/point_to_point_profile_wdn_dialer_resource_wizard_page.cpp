#include "wizard/point_to_point_profile_wdn_dialer_resource_wizard_page.h"

#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerResourceWizardPage::CPointToPointProfileWDNDialerResourceWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_RESOURCE, pWizard) {
    OnClicked(IDC_WDN_RESOURCE_INTERNAL, [this] { OnKindChanged(); });
    OnClicked(IDC_WDN_RESOURCE_EXTERNAL, [this] { OnKindChanged(); });
}

ui::BOOL CPointToPointProfileWDNDialerResourceWizardPage::OnInitDialog() {
    bool internal = false;
    for (const CWDNPort& port : m_pWizard->Facts().Ports())
        internal = internal || !port.strInternalModem.empty();
    if (!internal) m_nKind = 1;
    CWDNDialerWizardPage::OnInitDialog();
    Fill();
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerResourceWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_WDN_RESOURCE_INTERNAL, m_nKind);
}

void CPointToPointProfileWDNDialerResourceWizardPage::OnKindChanged() {
    m_nKind = IsDlgButtonChecked(IDC_WDN_RESOURCE_EXTERNAL) ? 1 : 0;
    Fill();
}

void CPointToPointProfileWDNDialerResourceWizardPage::Fill() {
    m_shown.clear();
    ui::CListBox& list = ListBox(IDC_WDN_RESOURCE_LIST);
    list.ResetContent();
    for (const CWDNPort& port : m_pWizard->Facts().Ports()) {
        if (port.strInternalModem.empty() != (m_nKind == 1)) continue;
        m_shown.push_back(&port);
        list.AddString(port.strName);
    }
    list.SetCurSel(m_shown.empty() ? -1 : 0);
}

bool CPointToPointProfileWDNDialerResourceWizardPage::CheckPage() {
    const int selected = ListBox(IDC_WDN_RESOURCE_LIST).GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(m_shown.size()))
        return Refuse(IDS_WDN_RESOURCE_REQUIRED, IDC_WDN_RESOURCE_LIST);
    m_pPort = m_shown[static_cast<std::size_t>(selected)];
    return true;
}

}  // namespace ptp::wizard
