#pragma once
// Group access policies: they live in a configuration file, not as server objects; the policies
// folder hands the console list records of its own with these attributes. Naming scheme: see
// kinds.h.

namespace ptp::attr::group_policy {
inline constexpr int kName = 0;
inline constexpr int kDescription = 1;
}  // namespace ptp::attr::group_policy
