#pragma once
// What the plug-in's commands and tasks call to work on group access policies (NEWGROUPPOLICY,
// PROPERTIES of a policy and the new-policy task):
//
//   policies::ShowGroupPolicyPropertySheet(server, "", authority, parent);    // a new policy
//   policies::ShowGroupPolicyPropertySheet(server, name, authority, parent);  // PROPERTIES
//
// The sheet can also be built directly (CPointToPointProfileGroupPolicyPropertySheet + DoModal),
// with the policies file and record of a caller that holds them loaded.
#include <string_view>

#include "platform/ui/ui_constants.h"

namespace ptp::policies {

// Opens the policy sheet modally and returns its result (IDOK after the policies file was
// written, IDCANCEL). `policyName` empty creates a policy.
ui::INT_PTR ShowGroupPolicyPropertySheet(std::string_view server, std::string_view policyName,
                                         bool changeable, HWND parent);

}  // namespace ptp::policies
