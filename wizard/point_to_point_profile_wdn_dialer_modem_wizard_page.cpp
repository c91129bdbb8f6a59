#include "wizard/point_to_point_profile_wdn_dialer_modem_wizard_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerModemWizardPage::CPointToPointProfileWDNDialerModemWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_MODEM, pWizard) {}

ui::BOOL CPointToPointProfileWDNDialerModemWizardPage::OnInitDialog() {
    ui::CComboBox& modems = ComboBox(IDC_WDN_MODEM_NAME);
    for (const std::string& modem : m_pWizard->Facts().Modems())
        modems.AddString(modem);
    CWDNDialerWizardPage::OnInitDialog();
    return ui::TRUE;
}

// A port with an internal modem proposes that modem.
ui::BOOL CPointToPointProfileWDNDialerModemWizardPage::OnSetActive() {
    const CWDNPort* port = m_pWizard->ChosenPort();
    if (m_strModem.empty() && port && !port->strInternalModem.empty()) {
        m_strModem = port->strInternalModem;
        UpdateData(ui::FALSE);
    }
    return CWDNDialerWizardPage::OnSetActive();
}

void CPointToPointProfileWDNDialerModemWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_WDN_MODEM_NAME, m_strModem);
}

std::string CPointToPointProfileWDNDialerModemWizardPage::GetModem() const {
    return std::string(config::Trim(m_strModem));
}

bool CPointToPointProfileWDNDialerModemWizardPage::CheckPage() {
    const std::string modem = GetModem();
    if (modem.empty() || modem == code::modem_name::kNone)
        return Refuse(IDS_WDN_MODEM_REQUIRED, IDC_WDN_MODEM_NAME);
    if (!m_pWizard->Facts().HasModem(modem))
        return Refuse(IDS_WDN_MODEM_NOT_FOUND, IDC_WDN_MODEM_NAME, {modem});
    return true;
}

}  // namespace ptp::wizard
