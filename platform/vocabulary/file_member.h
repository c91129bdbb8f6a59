#pragma once
// Members of database files (kinds::kFileMember), named "<library>/<file>/<member>". Naming
// scheme: see kinds.h.

namespace ptp::attr::file_member {
inline constexpr int kMember = 0;
}  // namespace ptp::attr::file_member
