#pragma once
// DHCP attributes (kinds::kDhcpAttributes, a singleton). Naming scheme: see kinds.h.

namespace ptp::attr::dhcp {
inline constexpr int kMode = 0;  // "*SERVER", "*RELAY" or "*NONE"
}  // namespace ptp::attr::dhcp
