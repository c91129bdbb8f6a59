#pragma once
// TCP/IP interfaces (kinds::kTcpipInterface). Naming scheme: see kinds.h.

namespace ptp::attr::tcpip_interface {
inline constexpr int kAddress = 0;
inline constexpr int kSubnetMask = 1;
inline constexpr int kLineName = 2;
inline constexpr int kStatus = 3;
inline constexpr int kType = 7;            // 1, 2, 3, 6, 8 physical kinds; 15 virtual
inline constexpr int kDisplayAddress = 8;  // the address, or "*LOOPBACK", "*VIRTUALIP"
}  // namespace ptp::attr::tcpip_interface
