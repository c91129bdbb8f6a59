#pragma once
// The command sequences that switch and start the server's DHCP service. Each runs its commands in
// order; the first that fails is shown (what failed and the server's reply) and ends the
// sequence. True when every command ran.
#include <string_view>

namespace ptp::ras {

// CHGDHCPA MODE(*RELAY), then STRTCPSVR SERVER(*DHCP).
bool StartDhcpRelay(std::string_view systemName);
// CHGDHCPA MODE(*SERVER), then STRTCPSVR SERVER(*DHCP).
bool StartDhcpServer(std::string_view systemName);
// STRTCPSVR SERVER(*DHCP) RESTART(*DHCP).
bool RestartDhcpServer(std::string_view systemName);

}  // namespace ptp::ras
