#pragma once
// Mail attributes (kinds::kMailAttributes, a singleton). Naming scheme: see kinds.h.

namespace ptp::attr::mail {
inline constexpr int kMailRouter = 0;
inline constexpr int kFirewall = 1;
inline constexpr int kDialSchedule = 2;  // "*YES" or "*NO"
inline constexpr int kDialProfile = 3;
inline constexpr int kDialInterval = 4;
}  // namespace ptp::attr::mail
