#include "profiles/point_to_point_profile_validation_list_add_user.h"

#include "config/config_paths.h"
#include "config/config_text.h"
#include "config/group_policy_config.h"
#include "platform/ui/message_box.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {

CPointToPointProfileValidationListAddUser::CPointToPointProfileValidationListAddUser(
    std::string_view systemName, bool offersProtocol, ui::CWnd* pParent)
    : CPointToPointProfileValidationListAddUser(IDD_PROFILE_VALIDATION_ADD_USER, systemName,
                                                offersProtocol, pParent) {}

CPointToPointProfileValidationListAddUser::CPointToPointProfileValidationListAddUser(
    UINT nIDTemplate, std::string_view systemName, bool offersProtocol, ui::CWnd* pParent)
    : CDialog(nIDTemplate, pParent),
      m_strSystemName(systemName),
      m_bOffersProtocol(offersProtocol) {}

ui::BOOL CPointToPointProfileValidationListAddUser::OnInitDialog() {
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_AUTH_CHAP, IDC_AUTH_PAP, IDC_AUTH_CHAP);
    if (!m_bOffersProtocol) {
        GetDlgItem(IDC_AUTH_CHAP)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_AUTH_PAP)->ShowWindow(ui::SW_HIDE);
    }
    // A system without group policies offers none; the user then gets the profile's settings.
    ui::CComboBox& policies = ComboBox(IDC_VL_GROUP_POLICY);
    config::CPointToPointProfileGroupPolicyConfigFile file(m_strSystemName,
                                                           config::kGroupPolicyConfigPath, 0);
    if (file.Load() != config::kFileResultOk) return ui::TRUE;
    for (auto* policy = file.GetFirst(); policy; policy = file.GetNext())
        policies.AddString(policy->GetGroupPolicy());
    return ui::TRUE;
}

void CPointToPointProfileValidationListAddUser::OnOK() {
    const std::string name(config::Trim(GetDlgItemText(IDC_AUTH_NAME)));
    if (name.empty()) {
        ui::AfxMessageBox(IDS_VL_USER_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_AUTH_NAME));
        return;
    }
    if (!TakeMore()) return;
    m_strName = name;
    m_strPassword = GetDlgItemText(IDC_AUTH_PASSWORD);
    m_strGroupPolicy = std::string(config::Trim(GetDlgItemText(IDC_VL_GROUP_POLICY)));
    m_bPAP = m_bOffersProtocol && IsDlgButtonChecked(IDC_AUTH_PAP) == ui::BST_CHECKED;
    CDialog::OnOK();
}

}  // namespace ptp::profiles
