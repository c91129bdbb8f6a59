#include "nwi/point_to_point_isdn_nwi_add_protocol_entries_dialog.h"

#include "config/config_text.h"
#include "lines/line_page_base.h"
#include "lines/line_value_text.h"
#include "nwi/nwi_choices.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

constexpr std::array<CNwiChoice, 3> kProtocols = {{{"*PPP", 0}, {"*IDLC", 0}, {"*X25", 0}}};
constexpr std::array<CNwiChoice, 2> kLoads = {{{"*LOAD", 0}, {"*NOLOAD", 0}}};

bool IsMaximum(std::string_view text) {
    return config::EqualsNoCase(text, "*NONE") || config::EqualsNoCase(text, "*MAX") ||
           lines::IsNumberInRange(text, 1, 30);
}

}  // namespace

CPointToPointIsdnNwiAddProtocolEntriesDialog::CPointToPointIsdnNwiAddProtocolEntriesDialog(
    ui::CWnd* pParent)
    : CDialog(IDD_NWI_ADD_PROTOCOL, pParent) {
    OnClicked(IDC_NWI_ALL_PROTOCOLS, [this] { UpdateControls(); });
}

ui::BOOL CPointToPointIsdnNwiAddProtocolEntriesDialog::OnInitDialog() {
    FillChoices(ComboBox(IDC_NWI_PROTOCOL), kProtocols);
    FillChoices(ComboBox(IDC_NWI_LOAD), kLoads);
    ui::CComboBox& maximum = ComboBox(IDC_NWI_MAXIMUM);
    maximum.AddString("*NONE");
    maximum.AddString("*MAX");
    CDialog::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointIsdnNwiAddProtocolEntriesDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_NWI_ALL_PROTOCOLS, m_nAll);
    ui::DDX_CBIndex(pDX, IDC_NWI_PROTOCOL, m_nProtocol);
    ui::DDX_CBIndex(pDX, IDC_NWI_LOAD, m_nLoad);
    ui::DDX_CBString(pDX, IDC_NWI_MAXIMUM, m_strMaximum);
}

void CPointToPointIsdnNwiAddProtocolEntriesDialog::UpdateControls() {
    const bool one = IsDlgButtonChecked(IDC_NWI_ALL_PROTOCOLS) != ui::BST_CHECKED;
    for (int id : {IDC_NWI_PROTOCOL, IDC_NWI_LOAD, IDC_NWI_MAXIMUM})
        GetDlgItem(id)->EnableWindow(one ? ui::TRUE : ui::FALSE);
}

void CPointToPointIsdnNwiAddProtocolEntriesDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    if (m_nAll == 1 || IsMaximum(config::Trim(m_strMaximum))) {
        EndDialog(ui::IDOK);
        return;
    }
    ui::AfxMessageBox(IDS_NWI_MAXIMUM_INVALID, lines::kLineMessageStyle);
    GotoDlgCtrl(GetDlgItem(IDC_NWI_MAXIMUM));
}

CProtocolEntry CPointToPointIsdnNwiAddProtocolEntriesDialog::Entry() const {
    return {ChoiceValue(kProtocols, m_nProtocol), ChoiceValue(kLoads, m_nLoad),
            config::ToUpper(config::Trim(m_strMaximum))};
}

}  // namespace ptp::nwi
