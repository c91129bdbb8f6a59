#include "nwi/point_to_point_isdn_nwi_add_spid_dialog.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {

CPointToPointIsdnNwiAddSPIDDialog::CPointToPointIsdnNwiAddSPIDDialog(ui::CWnd* pParent)
    : CDialog(IDD_NWI_ADD_SPID, pParent) {
    OnClicked(IDC_NWI_SPID_NONE, [this] { UpdateControls(); });
}

ui::BOOL CPointToPointIsdnNwiAddSPIDDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointIsdnNwiAddSPIDDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_NWI_SPID_FIRST, m_nIndex);
    ui::DDX_Check(pDX, IDC_NWI_SPID_NONE, m_nNone);
    ui::DDX_Text(pDX, IDC_NWI_SPID, m_strSpid);
}

void CPointToPointIsdnNwiAddSPIDDialog::UpdateControls() {
    const bool none = IsDlgButtonChecked(IDC_NWI_SPID_NONE) == ui::BST_CHECKED;
    GetDlgItem(IDC_NWI_SPID)->EnableWindow(none ? ui::FALSE : ui::TRUE);
}

std::string CPointToPointIsdnNwiAddSPIDDialog::Spid() const {
    const std::string spid(config::Trim(m_strSpid));
    return m_nNone == 1 || spid.empty() ? std::string("*NONE") : spid;
}

}  // namespace ptp::nwi
