#include "nwi/point_to_point_isdn_nwi_add_channel_entries_dialog.h"

#include "config/config_text.h"
#include "lines/line_page_base.h"
#include "lines/line_value_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {

CPointToPointIsdnNwiAddChannelEntriesDialog::CPointToPointIsdnNwiAddChannelEntriesDialog(
    ui::CWnd* pParent, bool bNewInterface)
    : CDialog(IDD_NWI_ADD_CHANNEL, pParent), m_bNewInterface(bNewInterface) {
    for (int id : {IDC_NWI_ALL_SWITCHED, IDC_NWI_D_CHANNEL})
        OnClicked(id, [this] { UpdateControls(); });
}

ui::BOOL CPointToPointIsdnNwiAddChannelEntriesDialog::OnInitDialog() {
    ui::CComboBox& third = ComboBox(IDC_NWI_CHANNEL_THIRD);
    for (const char* use : {"*ANY", "*DATA", "*VOICE"})
        third.AddString(use);
    CDialog::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointIsdnNwiAddChannelEntriesDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_NWI_ALL_SWITCHED, m_nAll);
    ui::DDX_Text(pDX, IDC_NWI_CHANNEL, m_strChannel);
    ui::DDX_Check(pDX, IDC_NWI_D_CHANNEL, m_nDChannel);
    ui::DDX_Radio(pDX, IDC_NWI_SWITCHED, m_nConnection);
    ui::DDX_CBString(pDX, IDC_NWI_CHANNEL_THIRD, m_strThird);
}

void CPointToPointIsdnNwiAddChannelEntriesDialog::UpdateControls() {
    const bool one = IsDlgButtonChecked(IDC_NWI_ALL_SWITCHED) != ui::BST_CHECKED;
    const bool numbered = one && IsDlgButtonChecked(IDC_NWI_D_CHANNEL) != ui::BST_CHECKED;
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_NWI_CHANNEL, numbered);
    enable(IDC_NWI_D_CHANNEL, one);
    enable(IDC_NWI_SWITCHED, one);
    enable(IDC_NWI_NONSWITCHED, one);
    enable(IDC_NWI_CHANNEL_THIRD, one && m_bNewInterface);
}

void CPointToPointIsdnNwiAddChannelEntriesDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    if (m_nAll == 1 || m_nDChannel == 1 ||
        lines::IsNumberInRange(config::Trim(m_strChannel), 1, 30)) {
        EndDialog(ui::IDOK);
        return;
    }
    ui::AfxMessageBox(IDS_NWI_CHANNEL_INVALID, lines::kLineMessageStyle);
    GotoDlgCtrl(GetDlgItem(IDC_NWI_CHANNEL));
}

CChannelEntry CPointToPointIsdnNwiAddChannelEntriesDialog::Entry() const {
    CChannelEntry entry;
    entry.strChannel = m_nDChannel == 1 ? "*D" : std::string(config::Trim(m_strChannel));
    entry.strConnection = m_nConnection == 1 ? "*NONSWT" : "*SWT";
    entry.strThird = m_bNewInterface ? config::ToUpper(config::Trim(m_strThird)) : std::string();
    return entry;
}

}  // namespace ptp::nwi
