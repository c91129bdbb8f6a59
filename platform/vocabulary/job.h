#pragma once
// Jobs (kinds::kJob) and their spooled files (kinds::kSpooledFile). Naming scheme: see kinds.h.

namespace ptp::attr::job {
inline constexpr int kName = 0;
inline constexpr int kUser = 1;
inline constexpr int kNumber = 2;
inline constexpr int kStatus = 3;  // "*ACTIVE", "*OUTQ" (ended, spooled output kept), "*ENDED"
inline constexpr int kProfileName = 4;
inline constexpr int kStartedAt = 5;  // job clock second
inline constexpr int kStep = 6;       // index into the walk of status codes
inline constexpr int kOutput = 7;     // "*PRINT" keeps a spooled job log
}  // namespace ptp::attr::job

namespace ptp::attr::spooled_file {
inline constexpr int kJobName = 0;
inline constexpr int kJobUser = 1;
inline constexpr int kJobNumber = 2;
inline constexpr int kFileName = 3;
inline constexpr int kText = 4;
}  // namespace ptp::attr::spooled_file
