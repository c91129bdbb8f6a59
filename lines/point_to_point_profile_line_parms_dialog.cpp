#include "lines/point_to_point_profile_line_parms_dialog.h"

#include "config/config_text.h"
#include "lines/point_to_point_profile_line_page.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineParmsDialog::CPointToPointProfileLineParmsDialog(ui::CWnd* pParent)
    : CDialog(IDD_LINE_PARMS_DIALOG, pParent) {}

void CPointToPointProfileLineParmsDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_LINE_PARM_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_LINE_PARM_VALUE, m_strValue);
}

void CPointToPointProfileLineParmsDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    m_strName = std::string(config::Trim(m_strName));
    m_strValue = std::string(config::Trim(m_strValue));
    if (m_strValue.empty()) {
        ui::AfxMessageBox(IDS_LINE_PARM_VALUE_REQUIRED, kLineMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_LINE_PARM_VALUE));
        return;
    }
    if (m_strName.empty()) {
        ui::AfxMessageBox(IDS_LINE_PARM_NAME_REQUIRED, kLineMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_LINE_PARM_NAME));
        return;
    }
    EndDialog(ui::IDOK);
}

}  // namespace ptp::lines
