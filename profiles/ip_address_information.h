#pragma once
// One user entry of an answering profile's per-user address list: the address the user gets
// when it calls, and the networks behind it, each routed through that address.
#include <string>
#include <string_view>
#include <vector>

#include "profiles/route_information.h"

namespace ptp::profiles {

// The subnet mask of the host route that hands a user its address.
inline constexpr std::string_view kHostMask = "255.255.255.255";

struct CIPAddressInformation {
    std::string strName;  // at most 24 characters
    std::string strAddress;
    int nSaved = 0;  // kRouteSaved once its address route is on the server
    std::vector<CRouteInformation> routes;
};

// The user entries that a profile's routes as read from the server make up: a user's address is
// its host route without a next hop, its networks the other routes marked with its name. Routes
// without a user are left out.
[[nodiscard]] std::vector<CIPAddressInformation> PerUserEntries(
    std::vector<CRouteInformation> routes);

}  // namespace ptp::profiles
