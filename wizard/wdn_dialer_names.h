#pragma once
// Names the dialer wizard gives or expects on the system.
#include <string_view>

namespace ptp::wizard {

// The validation list that holds the account the profile signs on with.
inline constexpr std::string_view kAccountList = "QYSDPTP";
inline constexpr std::string_view kAccountListLibrary = "QUSRSYS";
// The profile made when the user gives no name of their own (the standard access).
inline constexpr std::string_view kStandardProfileName = "WDNDIAL";
// The host name the mail relay gets in the host table unless the user names it otherwise.
inline constexpr std::string_view kRouterHostName = "WDNROUTER";
// Routes of the service's servers reach one host; those of the relay page a whole network.
inline constexpr std::string_view kHostMask = "255.255.255.255";
inline constexpr std::string_view kNetworkMask = "255.255.255.0";
inline constexpr std::string_view kDynamicNextHop = "*DYNAMIC";

}  // namespace ptp::wizard
