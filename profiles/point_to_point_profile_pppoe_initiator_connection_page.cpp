#include "profiles/point_to_point_profile_pppoe_initiator_connection_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_tunnels.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace sel = code::pppoe_selection;

bool IsName(std::string_view name) {
    return !name.empty() && name.find(' ') == std::string_view::npos;
}

}  // namespace

CPointToPointProfilePPPoEInitiatorConnectionPage::CPointToPointProfilePPPoEInitiatorConnectionPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CProfileTunnelConnectionPage(IDD_PPPOE_INITIATOR_CONNECTION, pSheet, VirtualLineKind::PPPoE) {
    for (int id :
         {IDC_PPPOE_ANY, IDC_PPPOE_BY_SERVICE, IDC_PPPOE_BY_CONCENTRATOR, IDC_PPPOE_BY_BOTH})
        OnClicked(id, [this] { UpdateControls(); });
}

int CPointToPointProfilePPPoEInitiatorConnectionPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_pSheet->GetTextAttribute(prf::kLineName, m_strLine);
    m_strLoadedLine = m_strLine;
    int selection = sel::kAny;
    result |= m_pSheet->GetIntAttribute(prf::kPPPoESelection, selection);
    m_nSelection = selection >= sel::kAny && selection <= sel::kByBoth ? selection - sel::kAny : 0;
    result |= m_pSheet->GetTextAttribute(prf::kPPPoEServiceName, m_strServiceName);
    result |= m_pSheet->GetTextAttribute(prf::kPPPoEConcentratorName, m_strConcentratorName);
    result |= m_pSheet->GetIntAttribute(prf::kPPPoEReconnect, m_nReconnect);
    result |= m_numericSetting.Load(*m_pSheet);
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfilePPPoEInitiatorConnectionPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfilePage::OnInitDialog();
    m_lines.Fill(*this, m_strLine);
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfilePPPoEInitiatorConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_TUNNEL_LINE, m_strLine);
    ui::DDX_Radio(pDX, IDC_PPPOE_ANY, m_nSelection);
    ui::DDX_Text(pDX, IDC_PPPOE_SERVICE_NAME, m_strServiceName);
    ui::DDX_Text(pDX, IDC_PPPOE_CONCENTRATOR_NAME, m_strConcentratorName);
    ui::DDX_Check(pDX, IDC_PPPOE_RECONNECT, m_nReconnect);
    m_numericSetting.Exchange(pDX, IDC_TUNNEL_NUMERIC_SETTING);
}

ui::BOOL CPointToPointProfilePPPoEInitiatorConnectionPage::OnSetActive() {
    CPointToPointProfilePage::OnSetActive();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfilePPPoEInitiatorConnectionPage::UpdateControls() {
    m_lines.UpdateButtons(*this);
    const bool byService = IsDlgButtonChecked(IDC_PPPOE_BY_SERVICE) == ui::BST_CHECKED ||
                           IsDlgButtonChecked(IDC_PPPOE_BY_BOTH) == ui::BST_CHECKED;
    const bool byConcentrator = IsDlgButtonChecked(IDC_PPPOE_BY_CONCENTRATOR) == ui::BST_CHECKED ||
                                IsDlgButtonChecked(IDC_PPPOE_BY_BOTH) == ui::BST_CHECKED;
    GetDlgItem(IDC_PPPOE_SERVICE_NAME)->EnableWindow(byService ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_PPPOE_CONCENTRATOR_NAME)->EnableWindow(byConcentrator ? ui::TRUE : ui::FALSE);
}

UINT CPointToPointProfilePPPoEInitiatorConnectionPage::CheckNames(int& control) {
    const int selection = m_nSelection + sel::kAny;
    const bool needsService = selection == sel::kByService || selection == sel::kByBoth;
    const bool needsConcentrator = selection == sel::kByConcentrator || selection == sel::kByBoth;
    if (needsService && !IsName(m_strServiceName)) {
        control = IDC_PPPOE_SERVICE_NAME;
        return IDS_PPPOE_SERVICE_REQUIRED;
    }
    if (needsConcentrator && !IsName(m_strConcentratorName)) {
        control = IDC_PPPOE_CONCENTRATOR_NAME;
        return IDS_PPPOE_CONCENTRATOR_REQUIRED;
    }
    return 0;
}

int CPointToPointProfilePPPoEInitiatorConnectionPage::StoreTunnel() {
    m_strServiceName = std::string(config::Trim(m_strServiceName));
    m_strConcentratorName = std::string(config::Trim(m_strConcentratorName));
    int control = 0;
    if (const UINT message = CheckNames(control)) return Refuse(message, control);
    StoreLine();
    const int selection = m_nSelection + sel::kAny;
    m_pSheet->SetIntAttribute(prf::kPPPoESelection, selection);
    if (selection == sel::kByService || selection == sel::kByBoth)
        m_pSheet->SetTextAttribute(prf::kPPPoEServiceName, m_strServiceName);
    if (selection == sel::kByConcentrator || selection == sel::kByBoth)
        m_pSheet->SetTextAttribute(prf::kPPPoEConcentratorName, m_strConcentratorName);
    m_pSheet->SetIntAttribute(prf::kPPPoEReconnect, m_nReconnect);
    return kPageOk;
}

}  // namespace ptp::profiles
