#pragma once
// Connection lists (kinds::kConnectionList) and their entries (kinds::kConnectionListEntry, named
// "<list>/<entry>"). Naming scheme: see kinds.h.

namespace ptp::attr::connection_list {
inline constexpr int kName = 0;
inline constexpr int kNetworkType = 1;
inline constexpr int kRemoveCharacters = 2;
inline constexpr int kText = 3;
}  // namespace ptp::attr::connection_list

namespace ptp::attr::connection_list_entry {
inline constexpr int kList = 0;
inline constexpr int kEntry = 1;
inline constexpr int kRemoteNumber = 2;
inline constexpr int kInformationTransferType = 3;
inline constexpr int kLocalNumber = 4;
inline constexpr int kLocalNumberType = 5;
inline constexpr int kLocalNumberPlan = 6;
inline constexpr int kLocalNumberPresentation = 7;
inline constexpr int kText = 8;
}  // namespace ptp::attr::connection_list_entry
