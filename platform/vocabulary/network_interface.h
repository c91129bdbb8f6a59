#pragma once
// ISDN and T1 network interfaces (kinds::kNetworkInterface); list values are kept as the text
// the CL command takes. Naming scheme: see kinds.h.

namespace ptp::attr::network_interface {
inline constexpr int kType = 0;  // "*ISDN" or "*T1"
inline constexpr int kName = 1;
inline constexpr int kResource = 2;
inline constexpr int kNetworkType = 3;
inline constexpr int kText = 4;
inline constexpr int kRate = 5;
inline constexpr int kChannelEntries = 6;
inline constexpr int kProtocolEntries = 7;
inline constexpr int kSetupDifference = 8;
inline constexpr int kActivationTimer = 9;
inline constexpr int kReactivationTimer = 10;
inline constexpr int kRecoveryCount = 11;
inline constexpr int kRecoveryInterval = 12;
inline constexpr int kAutoSpid = 13;
inline constexpr int kSpid = 14;
inline constexpr int kLocalNumber = 15;
inline constexpr int kLocalNumberType = 16;
inline constexpr int kLocalNumberPlan = 17;
inline constexpr int kLocalNumberPresentation = 18;
inline constexpr int kRemoveCharacters = 19;
inline constexpr int kAutoParameters = 20;
inline constexpr int kShortHaul = 21;
inline constexpr int kLongHaul = 22;
inline constexpr int kClock = 23;
inline constexpr int kFrameFormat = 24;
inline constexpr int kLineCode = 25;
inline constexpr int kSignalingMethod = 26;
inline constexpr int kCallerId = 27;
inline constexpr int kDidDigits = 28;
}  // namespace ptp::attr::network_interface
