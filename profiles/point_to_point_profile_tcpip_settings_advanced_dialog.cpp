#include "profiles/point_to_point_profile_tcpip_settings_advanced_dialog.h"

#include "config/config_text.h"
#include "platform/framework/console_navigation.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"
#include "rules/nat_rules_file.h"
#include "rules/packet_rules_editor.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr int kMinFrameSize = 576;
constexpr int kMaxFrameSize = 1006;

}  // namespace

CPointToPointProfileTCPIPSettingsAdvancedDialog::CPointToPointProfileTCPIPSettingsAdvancedDialog(
    std::string_view systemName, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_TCPIP_ADVANCED, pParent), m_strSystemName(systemName) {}

bool CPointToPointProfileTCPIPSettingsAdvancedDialog::IsAnswerKind() const {
    return (m_pSheet->IsPPP() &&
            m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kAnswer)) ||
           m_pSheet->IsKind(code::line_service::kVirtual, code::mode::kAnswer);
}

std::string CPointToPointProfileTCPIPSettingsAdvancedDialog::InterfaceName() const {
    return m_pSheet->IsNew() ? m_pSheet->GetNewProfileName() : m_pSheet->GetProfileName();
}

int CPointToPointProfileTCPIPSettingsAdvancedDialog::FindRecord(
    const host::CRouteDInterfaceConfiguration& routes) const {
    const std::string name = InterfaceName();
    for (int index = 0; index < routes.GetCount(); ++index) {
        if (config::EqualsNoCase(routes.GetInterfaceName(index), name)) return index;
    }
    return -1;
}

void CPointToPointProfileTCPIPSettingsAdvancedDialog::Load(
    const host::CRouteDInterfaceConfiguration& routes) {
    if (m_bLoaded) return;
    m_bLoaded = true;
    const int defaultSupply = IsAnswerKind() ? kSupplyFull : kSupplyLimited;
    m_nSupply = defaultSupply;
    m_nFrameSize = kMaxFrameSize;
    if (m_pSheet->IsNew()) return;
    (void)m_pSheet->GetIntAttribute(prf::kIPForwarding, m_nForwarding);
    const int record = FindRecord(routes);
    if (record >= 0) {
        const std::string supply = routes.GetSupplyMode(record);
        if (!supply.empty()) {
            const bool limited = supply == "LIMITED" || supply == "*LIMITED";
            m_nSupply = limited ? kSupplyLimited : kSupplyFull;
        }
        // An "OFF" older clients wrote comes back as RIP1.
        const std::string version = routes.GetRipVersion(record);
        if (version == "RIP1" || version == "OFF") m_nRip = kRip1;
        if (version == "RIP2") m_nRip = kRip2;
    }
    if (m_pSheet->GetCapabilityC() && IsAnswerKind()) {
        (void)m_pSheet->GetIntAttribute(prf::kFilterRulesOn, m_nFilterRulesOn);
        if (m_nFilterRulesOn == 1)
            (void)m_pSheet->GetTextAttribute(prf::kFilterRulesName, m_strFilterRules);
    }
    if (m_pSheet->IsSLIP()) (void)m_pSheet->GetIntAttribute(prf::kMaxFrameSize, m_nFrameSize);
    // A profile made before the frame size was kept has none.
    if (m_nFrameSize == 0) m_nFrameSize = kMaxFrameSize;
}

ui::BOOL CPointToPointProfileTCPIPSettingsAdvancedDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    FillFilterRules();
    SetDlgItemText(IDC_TCPIP_ADV_FILTER_RULES, m_strFilterRules);
    for (int id :
         {IDC_TCPIP_ADV_RIP_NONE, IDC_TCPIP_ADV_RIP1, IDC_TCPIP_ADV_RIP2, IDC_TCPIP_ADV_FILTER_ON})
        OnClicked(id, [this] { EnableControls(); });
    OnClicked(IDC_TCPIP_ADV_EDIT_RULES, [this] { StartRulesEditor(); });
    if (!m_pSheet->IsSLIP()) {
        GetDlgItem(IDC_TCPIP_ADV_FRAME_SIZE_LABEL)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_TCPIP_ADV_FRAME_SIZE)->ShowWindow(ui::SW_HIDE);
    }
    EnableControls();
    return ui::TRUE;
}

void CPointToPointProfileTCPIPSettingsAdvancedDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_TCPIP_ADV_FORWARDING, m_nForwarding);
    ui::DDX_Radio(pDX, IDC_TCPIP_ADV_RIP_NONE, m_nRip);
    ui::DDX_Radio(pDX, IDC_TCPIP_ADV_SUPPLY_FULL, m_nSupply);
    ui::DDX_Check(pDX, IDC_TCPIP_ADV_FILTER_ON, m_nFilterRulesOn);
    ui::DDX_CBString(pDX, IDC_TCPIP_ADV_FILTER_RULES, m_strFilterRules);
    if (!m_pSheet->IsSLIP()) return;
    ui::DDX_Text(pDX, IDC_TCPIP_ADV_FRAME_SIZE, m_nFrameSize);
    ui::DDV_MinMaxInt(pDX, m_nFrameSize, kMinFrameSize, kMaxFrameSize);
}

void CPointToPointProfileTCPIPSettingsAdvancedDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    m_strFilterRules = config::ToUpper(config::Trim(m_strFilterRules));
    EndDialog(ui::IDOK);
}

// The identifiers the PPP filters file defines; a file in use by someone else is not waited for.
void CPointToPointProfileTCPIPSettingsAdvancedDialog::FillFilterRules() {
    ui::CComboBox& box = ComboBox(IDC_TCPIP_ADV_FILTER_RULES);
    box.ResetContent();
    rules::CNATRulesFile file(m_strSystemName, rules::kPPPFiltersPath, false, 0);
    if (file.Load(false) != rules::kRulesResultOk) return;
    for (const std::string& identifier : rules::CollectFilterIdentifiers(file))
        box.AddString(identifier);
}

void CPointToPointProfileTCPIPSettingsAdvancedDialog::EnableControls() {
    const bool rip = IsDlgButtonChecked(IDC_TCPIP_ADV_RIP_NONE) != ui::BST_CHECKED;
    for (int id : {IDC_TCPIP_ADV_SUPPLY_FULL, IDC_TCPIP_ADV_SUPPLY_LIMITED})
        GetDlgItem(id)->EnableWindow(rip ? ui::TRUE : ui::FALSE);
    const bool rulesShown = m_pSheet->GetCapabilityC();
    const bool rulesOn = IsDlgButtonChecked(IDC_TCPIP_ADV_FILTER_ON) == ui::BST_CHECKED;
    GetDlgItem(IDC_TCPIP_ADV_FILTER_ON)->EnableWindow(rulesShown ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_TCPIP_ADV_FILTER_RULES)
        ->EnableWindow(rulesShown && rulesOn ? ui::TRUE : ui::FALSE);
}

void CPointToPointProfileTCPIPSettingsAdvancedDialog::StartRulesEditor() {
    fw::IConsoleNavigation* navigation = fw::GetConsoleNavigation();
    if (!navigation) return;
    (void)navigation->StartEditor(m_strSystemName, rules::kRulesEditorClass,
                                  rules::kRulesEditorMethod, GetSafeHwnd());
}

bool CPointToPointProfileTCPIPSettingsAdvancedDialog::Store(
    host::CRouteDInterfaceConfiguration& routes, std::string& strError) {
    Load(routes);
    m_pSheet->SetIntAttribute(prf::kIPForwarding, m_nForwarding);
    const int record = FindRecord(routes);
    if (record >= 0) {
        routes.DeleteRecord(record);
        host::SOFError* error = routes.CommitFile(strError);
        if (error) {
            error->Destroy();
            m_pSheet->SetLastTrace(
                "Error: ->faError = m_pifcFileRouteDInterface->commitFile(strError)<- to delete "
                "record " +
                std::to_string(record) + ". Error message is : " + strError);
            return false;
        }
    }
    const int added = routes.AddRecord();
    routes.SetInterfaceName(added, InterfaceName());
    if (m_nRip == kRipNone) {
        routes.ClearRipVersion(added);
    } else {
        routes.SetRipVersion(added, m_nRip == kRip1 ? "RIP1" : "RIP2");
        routes.SetSupplyMode(added, m_nSupply == kSupplyLimited ? "LIMITED" : "FULL");
    }
    host::SOFError* error = routes.CommitFile(strError);
    if (error) {
        error->Destroy();
        m_pSheet->SetLastTrace(
            "Error: ->faError = m_pifcFileRouteDInterface->commitFile(strError)<- Error message "
            "is : " +
            strError);
        return false;
    }
    if (m_pSheet->GetCapabilityC()) {
        m_pSheet->SetIntAttribute(prf::kFilterRulesOn, m_nFilterRulesOn);
        if (m_nFilterRulesOn == 1)
            m_pSheet->SetTextAttribute(prf::kFilterRulesName, m_strFilterRules);
    }
    if (m_pSheet->IsSLIP()) m_pSheet->SetIntAttribute(prf::kMaxFrameSize, m_nFrameSize);
    return true;
}

}  // namespace ptp::profiles
