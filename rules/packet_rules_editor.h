#pragma once
// The console's graphical packet rules editor, which the TCP/IP settings of profiles and group
// access policies start through the console's bridge by class and method name.
#include <string_view>

namespace ptp::rules {

inline constexpr std::string_view kRulesEditorClass =
    "com/ktl/rq800/admix/ippolicies/LMPacketRules";
inline constexpr std::string_view kRulesEditorMethod = "launchEditorForRemoteAccess";

}  // namespace ptp::rules
