#pragma once
// Authorization lists (kinds::kAuthorizationList). Naming scheme: see kinds.h.

namespace ptp::attr::authorization_list {
inline constexpr int kName = 0;
}  // namespace ptp::attr::authorization_list
