#include "policies/point_to_point_profile_group_policy_tcpip_settings_page.h"

#include "config/config_text.h"
#include "platform/framework/console_navigation.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "policies/point_to_point_profile_group_policy_property_sheet.h"
#include "resources/ids/policies.h"
#include "rules/nat_rules_file.h"
#include "rules/packet_rules_editor.h"

namespace ptp::policies {
namespace {

constexpr std::string_view kNone = "*NONE";

}  // namespace

CPointToPointProfileGroupPolicyTCPIPSettingsPage::CPointToPointProfileGroupPolicyTCPIPSettingsPage(
    CPointToPointProfileGroupPolicyPropertySheet* pSheet)
    : CPropertyPage(IDD_POLICY_TCPIP), m_pSheet(pSheet) {
    OnClicked(IDC_POLICY_USE_FILTER, [this] { EnableFilter(); });
    OnClicked(IDC_POLICY_EDIT_RULES, [this] { StartRulesEditor(); });
}

void CPointToPointProfileGroupPolicyTCPIPSettingsPage::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    if (m_pSheet->IsNewPolicy()) return;
    const auto& record = m_pSheet->Record();
    m_nForwarding = record.GetTCPIPForwarding();
    m_nHeaderCompression = record.GetTCPVJ();
    m_nUseFilter = record.GetTCPUseFilter();
    m_strFilterName = record.GetTCPFilterName();
    if (config::EqualsNoCase(m_strFilterName, kNone)) m_strFilterName.clear();
}

ui::BOOL CPointToPointProfileGroupPolicyTCPIPSettingsPage::OnInitDialog() {
    Load();
    FillFilterList();
    CPropertyPage::OnInitDialog();
    EnableFilter();
    return ui::TRUE;
}

void CPointToPointProfileGroupPolicyTCPIPSettingsPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_POLICY_FORWARDING, m_nForwarding);
    ui::DDX_Check(pDX, IDC_POLICY_HEADER_COMPRESSION, m_nHeaderCompression);
    ui::DDX_Check(pDX, IDC_POLICY_USE_FILTER, m_nUseFilter);
    ui::DDX_CBString(pDX, IDC_POLICY_FILTER_NAME, m_strFilterName);
}

// A filters file that cannot be read (or is in use) leaves the list empty; a name can be typed.
void CPointToPointProfileGroupPolicyTCPIPSettingsPage::FillFilterList() {
    ui::CComboBox& box = ComboBox(IDC_POLICY_FILTER_NAME);
    box.ResetContent();
    rules::CNATRulesFile file(m_pSheet->GetSystemName(), rules::kPPPFiltersPath, false, 0);
    if (file.Load(false) != rules::kRulesResultOk) return;
    for (const std::string& identifier : rules::CollectFilterIdentifiers(file))
        box.AddString(identifier);
}

void CPointToPointProfileGroupPolicyTCPIPSettingsPage::EnableFilter() {
    const ui::BOOL on = IsDlgButtonChecked(IDC_POLICY_USE_FILTER) == ui::BST_CHECKED;
    GetDlgItem(IDC_POLICY_FILTER_NAME)->EnableWindow(on);
    GetDlgItem(IDC_POLICY_EDIT_RULES)->EnableWindow(on);
}

void CPointToPointProfileGroupPolicyTCPIPSettingsPage::StartRulesEditor() {
    fw::IConsoleNavigation* navigation = fw::GetConsoleNavigation();
    if (!navigation) return;
    (void)navigation->StartEditor(m_pSheet->GetSystemName(), rules::kRulesEditorClass,
                                  rules::kRulesEditorMethod, GetSafeHwnd());
}

int CPointToPointProfileGroupPolicyTCPIPSettingsPage::Store() {
    Load();
    const std::string filter = config::ToUpper(config::Trim(m_strFilterName));
    if (m_nUseFilter != 0 && filter.empty()) {
        GetSheet()->SetActivePage(this);
        ui::AfxMessageBox(IDS_POLICY_FILTER_REQUIRED, ui::MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_POLICY_FILTER_NAME));
        return 2;
    }
    auto& record = m_pSheet->Record();
    record.SetTCPIPForwarding(m_nForwarding);
    record.SetTCPVJ(m_nHeaderCompression);
    record.SetTCPUseFilter(m_nUseFilter);
    record.SetTCPFilterName(m_nUseFilter != 0 ? filter : std::string(kNone));
    return 0;
}

}  // namespace ptp::policies
