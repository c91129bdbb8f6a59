#include "wizard/point_to_point_profile_wdn_dialer_connection_wizard_page.h"

#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

CPointToPointProfileWDNDialerConnectionWizardPage::
    CPointToPointProfileWDNDialerConnectionWizardPage(CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_CONNECTION, pWizard) {}

ui::BOOL CPointToPointProfileWDNDialerConnectionWizardPage::OnInitDialog() {
    CWDNDialerWizardPage::OnInitDialog();
    Button(IDC_WDN_CONNECTION_POOL).EnableWindow(!m_pWizard->Facts().Pools().empty());
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerConnectionWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_WDN_CONNECTION_LINE, m_nChoice);
}

}  // namespace ptp::wizard
