#pragma once
// Active connection jobs (kinds::kConnectionJob), one element per link; their status and reason
// codes are in status.h. Naming scheme: see kinds.h.

namespace ptp::attr::connection {
inline constexpr int kJobName = 0;
inline constexpr int kJobUser = 1;
inline constexpr int kJobNumber = 2;
inline constexpr int kProfileName = 3;
inline constexpr int kStatus = 4;  // code::status
inline constexpr int kLineName = 5;
inline constexpr int kRemoteAddress = 6;
inline constexpr int kLocalAddress = 7;
inline constexpr int kLinkId = 8;  // 8 bytes; bytes 4 to 7 the link number, most significant first
inline constexpr int kBundleKind = 9;  // "*MULTILINK", "*MULTIHOP" or "*NONE"
inline constexpr int kConnectedSeconds = 10;
inline constexpr int kBundleId = 11;  // as kLinkId; equal to it for a bundle head
inline constexpr int kLcpStatus = 12;
inline constexpr int kIpcpStatus = 13;
inline constexpr int kProtocol = 14;   // "*PPP" or "*SLIP"
inline constexpr int kStartedAt = 15;  // job clock second
inline constexpr int kReason = 25;     // code::reason
inline constexpr int kStatusText = 26;
inline constexpr int kReasonText = 27;
}  // namespace ptp::attr::connection
