#pragma once
// Validation lists (kinds::kValidationList) and their entries (kinds::kValidationListEntry).
// Naming scheme: see kinds.h.

namespace ptp::attr::validation_list {
inline constexpr int kName = 0;
inline constexpr int kLibrary = 1;  // empty means QUSRSYS
}  // namespace ptp::attr::validation_list

namespace ptp::attr::validation_list_entry {
inline constexpr int kListName = 0;
inline constexpr int kLibrary = 1;
inline constexpr int kIdentifier = 2;  // the identifier as upper-case hex
inline constexpr int kData1 = 3;       // first data field (the name)
inline constexpr int kData2 = 4;       // second data field (the password)
// The identifier's length as the client gives it: its bytes and a terminating zero.
inline constexpr int kIdentifierLength = 5;
inline constexpr int kGroupPolicy = 6;  // the group access policy of a user's connections
}  // namespace ptp::attr::validation_list_entry
