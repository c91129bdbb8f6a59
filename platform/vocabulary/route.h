#pragma once
// Static routes of profiles (kinds::kRoute) and the route daemon interface records
// (kinds::kRouteDaemonRecord). Naming scheme: see kinds.h.

namespace ptp::attr::route {
inline constexpr int kSubnetMask = 1;
inline constexpr int kDestination = 3;
inline constexpr int kPPP = 13;             // "1" when the profile is PPP
inline constexpr int kBindingProfile = 14;  // the profile name, upper case
inline constexpr int kExtraValue = 15;      // per-user routes: the user entry's name
inline constexpr int kNextHop = 16;         // empty or "*DYNAMIC" for a dynamic next hop
inline constexpr int kCodePage = 17;        // per-user routes: the client's code page, 5 digits
// Routes of a dial-on-demand profile: the answering profile it pairs with, whose callers the
// routes reach.
inline constexpr int kDependentValue = 18;
}  // namespace ptp::attr::route

namespace ptp::attr::route_daemon {
inline constexpr int kInterfaceName = 0;
inline constexpr int kRipVersion = 1;  // "RIP1", "RIP2" or empty for RIP off
inline constexpr int kSupplyMode = 2;  // "FULL" or "LIMITED"
}  // namespace ptp::attr::route_daemon
