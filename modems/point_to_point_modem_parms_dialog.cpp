#include "modems/point_to_point_modem_parms_dialog.h"

#include "config/config_text.h"
#include "modems/modem_message_style.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "resources/ids/modems.h"

namespace ptp::modems {

CPointToPointModemParmsDialog::CPointToPointModemParmsDialog(ui::CWnd* pParent)
    : CDialog(IDD_MODEM_PARMS_DIALOG, pParent) {}

void CPointToPointModemParmsDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_MODEM_PARM_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_MODEM_PARM_VALUE, m_strValue);
}

void CPointToPointModemParmsDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    m_strName = std::string(config::Trim(m_strName));
    m_strValue = std::string(config::Trim(m_strValue));
    if (m_strName.empty()) {
        ui::AfxMessageBox(IDS_MODEM_PARM_NAME_REQUIRED, kModemMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_MODEM_PARM_NAME));
        return;
    }
    if (m_strValue.empty()) {
        ui::AfxMessageBox(IDS_MODEM_PARM_VALUE_REQUIRED, kModemMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_MODEM_PARM_VALUE));
        return;
    }
    EndDialog(ui::IDOK);
}

}  // namespace ptp::modems
