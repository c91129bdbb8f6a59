#include "profiles/ip_address_information.h"

namespace ptp::profiles {

std::vector<CIPAddressInformation> PerUserEntries(std::vector<CRouteInformation> routes) {
    std::vector<CIPAddressInformation> users;
    auto userNamed = [&users](const std::string& name) -> CIPAddressInformation& {
        for (CIPAddressInformation& user : users) {
            if (user.strName == name) return user;
        }
        CIPAddressInformation& user = users.emplace_back();
        user.strName = name;
        user.nSaved = kRouteSaved;
        return user;
    };
    for (CRouteInformation& route : routes) {
        if (route.strExtraValue.empty()) continue;
        CIPAddressInformation& user = userNamed(route.strExtraValue);
        if (route.strSubnetMask == kHostMask && route.strNextHop.empty()) {
            user.strAddress = route.strDestination;
            continue;
        }
        user.routes.push_back(std::move(route));
    }
    return users;
}

}  // namespace ptp::profiles
