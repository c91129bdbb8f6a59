#pragma once
// One static route as a route list shows it, and the two lists a list dialog keeps besides its
// rows: the rows added since loading (to be created on the server) and the loaded rows the user
// removed (to be deleted there).
#include <string>
#include <vector>

namespace ptp::profiles {

// The saved flag of a row whose route object reached the server (or was read from it).
inline constexpr int kRouteSaved = -1;

struct CRouteInformation {
    std::string strNextHop;  // empty: dynamic
    std::string strDestination;
    std::string strSubnetMask;
    // Per-user rows: the name of the user entry the route belongs to; empty on a route list.
    std::string strExtraValue;
    int nSaved = 0;
};

using CRouteSaveList = std::vector<CRouteInformation>;
using CRouteRemoveList = std::vector<CRouteInformation>;

}  // namespace ptp::profiles
