#pragma once
// What the system's remote access services say about address assignment: whether the DHCP WAN
// client hands out addresses, and whether RADIUS does. Read from the services' settings file; a
// system without one has both off.
#include <string_view>

namespace ptp::profiles {

struct CRemoteAccessServicesState {
    bool bDhcpWanClient = false;
    bool bRadiusAddresses = false;
};

[[nodiscard]] CRemoteAccessServicesState ReadRemoteAccessServices(std::string_view systemName);

}  // namespace ptp::profiles
