#pragma once
// Where the keyed configuration files live on the server, as the sheets pass them to the files.
#include <string_view>

namespace ptp::config {

inline constexpr std::string_view kGroupPolicyConfigPath =
    "\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\grouppolicy.cfg";
inline constexpr std::string_view kL2TPLineConfigPath =
    "\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\L2TPLine.cfg";
inline constexpr std::string_view kLineCnnlstConfigPath =
    "\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\Cnnlist.cfg";
inline constexpr std::string_view kPPPoELineConfigPath =
    "\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\PPPoELine.cfg";
inline constexpr std::string_view kRASConfigPath = "\\QKTL\\UserData\\NOS50\\TCPIP\\RAS\\ras.cfg";
inline constexpr std::string_view kRASDHCPConfigPath =
    "\\QKTL\\UserData\\NOS50\\TCPIP\\RAS\\dhcpwanclient.cfg";

}  // namespace ptp::config
