#pragma once
// What the remote access services ask the server about its DHCP service, for the services sheet
// and for other components:
//
//   ras::IsDhcpServerJobActive(system)   // job QTODDHCPS of user QTCP
//   ras::IsBootpServerJobActive(system)  // job QTBOOTP
//   ras::IsDhcpRelayJobActive(system)    // job QTODDHCPR
//   ras::IsDhcpServerMode(system)        // "*SERVER" on the second line of DHCP.ATTRIB
//
// The RADIUS and DHCP WAN client settings of ras.cfg that profile pages need are read by
// profiles/remote_access_services_state.h.
#include <string_view>

namespace ptp::ras {

inline constexpr std::string_view kDhcpServerJob = "QTODDHCPS";
inline constexpr std::string_view kBootpServerJob = "QTBOOTP";
inline constexpr std::string_view kDhcpRelayJob = "QTODDHCPR";
inline constexpr std::string_view kDhcpAttributesFile =
    "\\QKTL\\UserData\\NOS50\\DHCP\\DHCP.ATTRIB";

// Whether a job of that name and user QTCP is active on the server; false when the job list
// cannot be read.
[[nodiscard]] bool IsServerJobActive(std::string_view systemName, std::string_view jobName);
[[nodiscard]] bool IsDhcpServerJobActive(std::string_view systemName);
[[nodiscard]] bool IsBootpServerJobActive(std::string_view systemName);
[[nodiscard]] bool IsDhcpRelayJobActive(std::string_view systemName);

// 1 when the server's DHCP service is configured as a server, 0 otherwise. A file that cannot be
// read is reported to the user and counts as 0.
[[nodiscard]] int IsDhcpServerMode(std::string_view systemName);

}  // namespace ptp::ras
