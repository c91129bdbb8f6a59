#pragma once
// TCP/IP servers (kinds::kTcpipServer), named like "*DHCP". Naming scheme: see kinds.h.

namespace ptp::attr::tcpip_server {
inline constexpr int kStatus = 0;  // "*ACTIVE" or "*INACTIVE"
inline constexpr int kJobName = 1;
}  // namespace ptp::attr::tcpip_server
