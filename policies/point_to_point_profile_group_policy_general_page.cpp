#include "policies/point_to_point_profile_group_policy_general_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "policies/point_to_point_profile_group_policy_property_sheet.h"
#include "resources/ids/policies.h"

namespace ptp::policies {
namespace {

constexpr std::string_view kNone = "*NONE";

}  // namespace

CPointToPointProfileGroupPolicyGeneralPage::CPointToPointProfileGroupPolicyGeneralPage(
    CPointToPointProfileGroupPolicyPropertySheet* pSheet)
    : CPropertyPage(IDD_POLICY_GENERAL), m_pSheet(pSheet) {}

void CPointToPointProfileGroupPolicyGeneralPage::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    const auto& record = m_pSheet->Record();
    m_strName = m_pSheet->IsNewPolicy() ? std::string() : record.GetGroupPolicy();
    m_strDescription = record.GetDescription();
    if (config::EqualsNoCase(m_strDescription, kNone)) m_strDescription.clear();
}

ui::BOOL CPointToPointProfileGroupPolicyGeneralPage::OnInitDialog() {
    Load();
    CPropertyPage::OnInitDialog();
    // The name is what profiles and the folder know the policy by.
    Edit(IDC_POLICY_NAME).EnableWindow(m_pSheet->IsNewPolicy() ? ui::TRUE : ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileGroupPolicyGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_POLICY_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_POLICY_DESCRIPTION, m_strDescription);
}

ui::BOOL CPointToPointProfileGroupPolicyGeneralPage::OnApply() {
    return m_pSheet->Commit() == 0 ? ui::TRUE : ui::FALSE;
}

void CPointToPointProfileGroupPolicyGeneralPage::ShowProblem(UINT message,
                                                             const std::vector<std::string>& args) {
    GetSheet()->SetActivePage(this);
    ui::AfxMessageBox(message, args, ui::MB_ICONEXCLAMATION);
    GotoDlgCtrl(GetDlgItem(IDC_POLICY_NAME));
}

int CPointToPointProfileGroupPolicyGeneralPage::Store() {
    Load();
    auto& record = m_pSheet->Record();
    if (m_pSheet->IsNewPolicy()) {
        m_strName = std::string(config::Trim(m_strName));
        if (m_strName.empty() || m_strName.find(' ') != std::string::npos) {
            ShowProblem(IDS_POLICY_NAME_INVALID, {});
            return 2;
        }
        record.SetGroupPolicy(m_strName);
    }
    const std::string description(config::Trim(m_strDescription));
    record.SetDescription(description.empty() ? kNone : description);
    return 0;
}

}  // namespace ptp::policies
