#pragma once
// System values (kinds::kSystemValue). Naming scheme: see kinds.h.
#include <string_view>

namespace ptp::attr::system_value {
inline constexpr int kName = 0;
inline constexpr int kValue = 1;
}  // namespace ptp::attr::system_value

namespace ptp::code::system_value {
inline constexpr std::string_view kRetainServerSecurity = "QRETSVRSEC";
}  // namespace ptp::code::system_value
