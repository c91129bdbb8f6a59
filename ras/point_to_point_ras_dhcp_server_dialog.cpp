#include "ras/point_to_point_ras_dhcp_server_dialog.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "resources/ids/ras.h"

namespace ptp::ras {

CPointToPointRASDHCPServerDialog::CPointToPointRASDHCPServerDialog(ui::CWnd* pParent)
    : CDialog(IDD_RAS_DHCP_ENTRY, pParent) {}

// Each entry starts empty: the dialog is kept for the page's life.
ui::BOOL CPointToPointRASDHCPServerDialog::OnInitDialog() {
    m_strAddress.clear();
    m_nType = 0;
    return CDialog::OnInitDialog();
}

void CPointToPointRASDHCPServerDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_RAS_DHCP_ENTRY_ADDRESS, m_strAddress);
    ui::DDX_Radio(pDX, IDC_RAS_DHCP_ENTRY_SERVER, m_nType);
}

void CPointToPointRASDHCPServerDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    m_strAddress = std::string(config::Trim(m_strAddress));
    if (!host::CBaseTCPIPAddress(m_strAddress).IsValid()) {
        ui::AfxMessageBox(IDS_RAS_ADDRESS_INVALID, ui::MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_RAS_DHCP_ENTRY_ADDRESS));
        return;
    }
    EndDialog(ui::IDOK);
}

}  // namespace ptp::ras
