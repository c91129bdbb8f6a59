#pragma once
// What the system's remote access services say about address assignment: whether the DHCP WAN
// client hands out addresses, and whether RADIUS does. Read from the services' settings file; a
// system without one has both off.
#include <string_view>

namespace ptp::profiles {

struct CRemoteAccessServicesState {
    bool bDhcpWanClient = false;
    bool bRadiusAddresses = false;
    bool bRadiusAuthentication = false;
    bool bRadiusAccounting = false;
};

[[nodiscard]] CRemoteAccessServicesState ReadRemoteAccessServices(std::string_view systemName);

// Single questions to the services of `systemName`, each reading their settings file afresh.
// RADIUS authenticates callers: RADIUS is on and its authentication server is used.
[[nodiscard]] bool IsRadiusAuthenticationOn(std::string_view systemName);
// RADIUS accounts for connections: RADIUS is on and its accounting server is used.
[[nodiscard]] bool IsRadiusAccountingOn(std::string_view systemName);
[[nodiscard]] bool IsDhcpWanClientOn(std::string_view systemName);
[[nodiscard]] bool IsRadiusAddressAssignmentOn(std::string_view systemName);

}  // namespace ptp::profiles
