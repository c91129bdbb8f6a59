#include "wizard/wdn_dialer_wizard_page.h"

#include "platform/ui/message_box.h"
#include "resources/ids/wizard.h"

namespace ptp::wizard {

CWDNDialerWizardPage::CWDNDialerWizardPage(UINT nIDTemplate,
                                           CPointToPointProfileWDNDialerWizard* pWizard)
    : CWizardPage(nIDTemplate), m_pWizard(pWizard) {
    SetTitleFormat(IDS_WDN_STEP_TITLE);
}

LRESULT CWDNDialerWizardPage::OnWizardNext() {
    if (!UpdateData(ui::TRUE)) return -1;
    if (!CheckPage()) return -1;
    return CWizardPage::OnWizardNext();
}

bool CWDNDialerWizardPage::Refuse(UINT message, int controlId,
                                  const std::vector<std::string>& args) {
    ui::AfxMessageBox(message, args, ui::MB_ICONWARNING);
    if (ui::CWnd* control = GetDlgItem(controlId)) GotoDlgCtrl(control);
    return false;
}

}  // namespace ptp::wizard
