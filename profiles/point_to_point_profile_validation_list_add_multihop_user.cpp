#include "profiles/point_to_point_profile_validation_list_add_multihop_user.h"

#include "config/config_text.h"
#include "platform/ui/message_box.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {

CPointToPointProfileValidationListAddMultihopUser::
    CPointToPointProfileValidationListAddMultihopUser(std::string_view systemName,
                                                      ui::CWnd* pParent)
    : CPointToPointProfileValidationListAddUser(IDD_PROFILE_VALIDATION_ADD_MULTIHOP, systemName,
                                                true, pParent) {}

bool CPointToPointProfileValidationListAddMultihopUser::TakeMore() {
    const std::string name(config::Trim(GetDlgItemText(IDC_VL_FORWARD_NAME)));
    if (name.empty()) {
        ui::AfxMessageBox(IDS_VL_USER_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_VL_FORWARD_NAME));
        return false;
    }
    m_strForwardName = name;
    m_strForwardPassword = GetDlgItemText(IDC_VL_FORWARD_PASSWORD);
    return true;
}

}  // namespace ptp::profiles
