#include "profiles/point_to_point_profile_setup_dialog.h"

#include "platform/ui/display_name.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/profile_setup.h"

namespace ptp::profiles {
namespace {

namespace mode = code::mode;
namespace line_kind = code::line_kind;

}  // namespace

CPointToPointProfileSetupDialog::CPointToPointProfileSetupDialog(
    ui::CWnd* pParentWnd, std::string strSystemName, bool bReceiver, bool bAllowDialOnDemandPool,
    bool bAllowExtraL2TPModes, bool bRelease050200, int* pProtocol, int* pLineService, int* pMode,
    int* pLineKind)
    : ui::CDialog(IDD_PROFILE_SETUP, pParentWnd),
      m_strSystemName(std::move(strSystemName)),
      m_bReceiver(bReceiver),
      m_bAllowDialOnDemandPool(bAllowDialOnDemandPool),
      m_bAllowExtraL2TPModes(bAllowExtraL2TPModes),
      m_bRelease050200(bRelease050200),
      m_pProtocol(pProtocol),
      m_pLineService(pLineService),
      m_pMode(pMode),
      m_pLineKind(pLineKind) {
    OnClicked(IDC_SETUP_SLIP, [this] { OnProtocolSlip(); });
    OnClicked(IDC_SETUP_PPP, [this] { OnProtocolPpp(); });
    OnClicked(IDC_SETUP_SWITCHED_LINE, [this] { OnLineService(); });
    OnClicked(IDC_SETUP_NONSWITCHED_LINE, [this] { OnLineService(); });
    OnClicked(IDC_SETUP_L2TP_LINE, [this] { OnLineService(); });
    OnClicked(IDC_SETUP_PPPOE_LINE, [this] { OnLineService(); });
    OnChanged(IDC_SETUP_MODE, [this] { OnModeChanged(); });
    OnChanged(IDC_SETUP_LINE, [this] { OnLineChanged(); });
}

ui::BOOL CPointToPointProfileSetupDialog::OnInitDialog() {
    ui::CDialog::OnInitDialog();
    SetWindowText(ui::FormatResource(IDS_SETUP_CAPTION, {ui::DisplayName(m_strSystemName)}));
    CheckRadioButton(IDC_SETUP_PPP, IDC_SETUP_SLIP, IDC_SETUP_PPP);
    CheckRadioButton(IDC_SETUP_SWITCHED_LINE, IDC_SETUP_PPPOE_LINE, IDC_SETUP_SWITCHED_LINE);
    FillModes();
    FillLineChoices(true, true);
    if (!m_bRelease050200 || m_bReceiver) GetDlgItem(IDC_SETUP_PPPOE_LINE)->ShowWindow(ui::SW_HIDE);
    return ui::TRUE;
}

bool CPointToPointProfileSetupDialog::IsSlip() const {
    return IsDlgButtonChecked(IDC_SETUP_SLIP) == ui::BST_CHECKED;
}

int CPointToPointProfileSetupDialog::SelectedLineService() const {
    const int button = GetCheckedRadioButton(IDC_SETUP_SWITCHED_LINE, IDC_SETUP_PPPOE_LINE);
    return button == 0 ? IDC_SETUP_SWITCHED_LINE : button;
}

// The modes offered, in list order, as the table of modes by line service and folder gives them.
std::vector<CPointToPointProfileSetupDialog::ModeEntry> CPointToPointProfileSetupDialog::ModesFor(
    int nLineServiceButton) {
    switch (nLineServiceButton) {
        case IDC_SETUP_SWITCHED_LINE: {
            if (m_bReceiver) return {{mode::kAnswer, IDS_SETUP_MODE_ANSWER}};
            if (IsSlip()) return {{mode::kDial, IDS_SETUP_MODE_DIAL}};
            std::vector<ModeEntry> modes{{mode::kDial, IDS_SETUP_MODE_DIAL},
                                         {mode::kDialVariant3, IDS_SETUP_MODE_DIAL_ON_DEMAND},
                                         {mode::kDialVariant4, IDS_SETUP_MODE_DIAL_DEDICATED}};
            if (m_bAllowDialOnDemandPool) {
                modes.push_back({mode::kDialOnDemand, IDS_SETUP_MODE_DIAL_POOL});
            }
            return modes;
        }
        case IDC_SETUP_NONSWITCHED_LINE:
            if (m_bReceiver) return {{mode::kAnswer, IDS_SETUP_MODE_TERMINATOR}};
            return {{mode::kDial, IDS_SETUP_MODE_INITIATOR}};
        case IDC_SETUP_L2TP_LINE: {
            if (m_bReceiver) return {{mode::kAnswer, IDS_SETUP_MODE_TERMINATOR}};
            std::vector<ModeEntry> modes{{mode::kL2TPInitiator, IDS_SETUP_MODE_INITIATOR}};
            if (m_bAllowExtraL2TPModes) {
                modes.push_back({mode::kL2TPInitiatorMode8, IDS_SETUP_MODE_L2TP_TUNNEL_ONLY});
                modes.push_back({mode::kDialVariant3, IDS_SETUP_MODE_L2TP_ON_DEMAND});
            }
            return modes;
        }
        case IDC_SETUP_PPPOE_LINE:
            if (m_bReceiver) return {};
            return {{mode::kPPPoEInitiator, IDS_SETUP_MODE_INITIATOR}};
        default:
            return {};
    }
}

void CPointToPointProfileSetupDialog::FillModes() {
    ui::CComboBox& modes = ComboBox(IDC_SETUP_MODE);
    modes.ResetContent();
    for (const ModeEntry& entry : ModesFor(SelectedLineService())) {
        const int index = modes.AddString(ui::LoadText(entry.nTextId));
        modes.SetItemData(index, static_cast<ui::DWORD_PTR>(entry.nMode));
    }
    modes.SetCurSel(0);
    m_nLastMode = SelectedMode();
}

void CPointToPointProfileSetupDialog::FillLineChoices(bool bOneLine, bool bPool) {
    ui::CComboBox& lines = ComboBox(IDC_SETUP_LINE);
    lines.ResetContent();
    if (bOneLine) {
        lines.SetItemData(lines.AddString(ui::LoadText(IDS_SETUP_LINE_ONE)), OneLine);
    }
    if (bPool) {
        lines.SetItemData(lines.AddString(ui::LoadText(IDS_SETUP_LINE_POOL)), LinePool);
    }
    lines.SetCurSel(0);
}

void CPointToPointProfileSetupDialog::ResetLineChoices() {
    FillLineChoices(true, SelectedLineService() == IDC_SETUP_SWITCHED_LINE);
}

void CPointToPointProfileSetupDialog::EnableVirtualServices(bool bEnable) {
    GetDlgItem(IDC_SETUP_L2TP_LINE)->EnableWindow(bEnable);
    GetDlgItem(IDC_SETUP_PPPOE_LINE)->EnableWindow(bEnable && m_bRelease050200 && !m_bReceiver);
}

int CPointToPointProfileSetupDialog::SelectedMode() {
    ui::CComboBox& modes = ComboBox(IDC_SETUP_MODE);
    if (modes.GetCurSel() < 0) return mode::kDial;
    return static_cast<int>(modes.GetItemData(modes.GetCurSel()));
}

bool CPointToPointProfileSetupDialog::PoolSelected() {
    ui::CComboBox& lines = ComboBox(IDC_SETUP_LINE);
    return lines.GetCurSel() >= 0 && lines.GetItemData(lines.GetCurSel()) == LinePool;
}

// SLIP runs only on switched lines and only dials or answers.
void CPointToPointProfileSetupDialog::OnProtocolSlip() {
    if (SelectedLineService() == IDC_SETUP_L2TP_LINE ||
        SelectedLineService() == IDC_SETUP_PPPOE_LINE) {
        CheckRadioButton(IDC_SETUP_SWITCHED_LINE, IDC_SETUP_PPPOE_LINE, IDC_SETUP_SWITCHED_LINE);
    }
    EnableVirtualServices(false);
    FillModes();
    const bool bPool = !m_bReceiver && SelectedLineService() == IDC_SETUP_SWITCHED_LINE;
    FillLineChoices(true, bPool);
}

void CPointToPointProfileSetupDialog::OnProtocolPpp() {
    EnableVirtualServices(true);
    FillModes();
    ResetLineChoices();
}

void CPointToPointProfileSetupDialog::OnLineService() {
    FillModes();
    ResetLineChoices();
}

// Dial variant 4 keeps one line for itself; dial-on-demand draws from a line pool.
void CPointToPointProfileSetupDialog::OnModeChanged() {
    const int nMode = SelectedMode();
    const bool bRestricted =
        m_nLastMode == mode::kDialVariant4 || m_nLastMode == mode::kDialOnDemand;
    m_nLastMode = nMode;
    if (SelectedLineService() != IDC_SETUP_SWITCHED_LINE) return;
    if (nMode == mode::kDialVariant4) {
        FillLineChoices(true, false);
        return;
    }
    if (nMode == mode::kDialOnDemand) {
        FillLineChoices(false, true);
        return;
    }
    if (bRestricted) FillLineChoices(true, true);
}

// A receiver's line pool is kept apart for PPP answer profiles.
void CPointToPointProfileSetupDialog::OnLineChanged() {
    if (!m_bReceiver || !PoolSelected()) return;
    m_nPoolLineKind = IsSlip() ? line_kind::kPool : line_kind::kPoolForPPPAnswer;
}

void CPointToPointProfileSetupDialog::OnOK() {
    const int service = SelectedLineService();
    *m_pProtocol = IsSlip() ? code::protocol::kSLIP : code::protocol::kPPP;
    *m_pLineService = service == IDC_SETUP_SWITCHED_LINE      ? code::line_service::kSwitched
                      : service == IDC_SETUP_NONSWITCHED_LINE ? code::line_service::kNonswitched
                                                              : code::line_service::kVirtual;
    *m_pMode = SelectedMode();
    *m_pLineKind = ChosenLineKind();
    ui::CDialog::OnOK();
}

int CPointToPointProfileSetupDialog::ChosenLineKind() {
    if (PoolSelected()) return m_bReceiver ? m_nPoolLineKind : line_kind::kPool;
    if (SelectedLineService() == IDC_SETUP_L2TP_LINE) return line_kind::kL2TPLine;
    if (SelectedLineService() == IDC_SETUP_PPPOE_LINE) return line_kind::kPPPoELine;
    return line_kind::kOneLine;
}

}  // namespace ptp::profiles
