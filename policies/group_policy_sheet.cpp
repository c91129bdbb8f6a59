#include "policies/group_policy_sheet.h"

#include "policies/point_to_point_profile_group_policy_property_sheet.h"

namespace ptp::policies {

ui::INT_PTR ShowGroupPolicyPropertySheet(std::string_view server, std::string_view policyName,
                                         bool changeable, HWND parent) {
    CPointToPointProfileGroupPolicyPropertySheet sheet(server, policyName, changeable,
                                                       ui::CWnd::FromHandle(parent));
    return sheet.DoModal();
}

}  // namespace ptp::policies
