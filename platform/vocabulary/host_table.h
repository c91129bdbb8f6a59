#pragma once
// Host table entries (kinds::kHostTableEntry), named after the internet address. Naming scheme: see
// kinds.h.

namespace ptp::attr::host_table_entry {
inline constexpr int kAddress = 0;
inline constexpr int kFirstHostName = 1;  // host names in 1 to 4
inline constexpr int kMaxHostNames = 4;
inline constexpr int kText = 5;
}  // namespace ptp::attr::host_table_entry
