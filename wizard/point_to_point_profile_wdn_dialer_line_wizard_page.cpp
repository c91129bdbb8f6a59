#include "wizard/point_to_point_profile_wdn_dialer_line_wizard_page.h"

#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerLineWizardPage::CPointToPointProfileWDNDialerLineWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_LINE, pWizard) {}

// The port may have changed since the page was last shown.
ui::BOOL CPointToPointProfileWDNDialerLineWizardPage::OnSetActive() {
    m_shown.clear();
    ui::CListBox& list = ListBox(IDC_WDN_LINE_LIST);
    list.ResetContent();
    for (const CWDNUsableLine* line : m_pWizard->Facts().LinesOn(m_pWizard->ChosenPortName())) {
        m_shown.push_back(line->strName);
        list.AddString(line->strName);
    }
    list.SetCurSel(m_shown.empty() ? -1 : 0);
    return CWDNDialerWizardPage::OnSetActive();
}

void CPointToPointProfileWDNDialerLineWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_WDN_LINE_EXISTING, m_nChoice);
}

bool CPointToPointProfileWDNDialerLineWizardPage::CheckPage() {
    if (CreatesNewLine()) return true;
    const int selected = ListBox(IDC_WDN_LINE_LIST).GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(m_shown.size()))
        return Refuse(IDS_WDN_LINE_REQUIRED, IDC_WDN_LINE_LIST);
    m_strLine = m_shown[static_cast<std::size_t>(selected)];
    return true;
}

}  // namespace ptp::wizard
