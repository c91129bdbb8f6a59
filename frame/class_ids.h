#pragma once
// The four component classes of the plug-in, as the console's registry knows them.
#include <string_view>

#include "platform/com/guid.h"

namespace ptp::frame {

inline const CLSID CLSID_PointToPointExtInterfaces =
    GuidFromString("{A206FAC3-B636-11D0-8E51-444553540000}");
inline const CLSID CLSID_ProfilesData = GuidFromString("{A206FAC2-B636-11D0-8E51-444553540000}");
inline const CLSID CLSID_ModemsData = GuidFromString("{A206FAC1-B636-11D0-8E51-444553540000}");
inline const CLSID CLSID_GroupAccessPoliciesData =
    GuidFromString("{0178529C-1121-461E-957D-E85C6BA66AAB}");

inline constexpr std::string_view kProgIdPointToPointExtInterfaces =
    "RQ/800 Shell Extensions - Remote Access Services Folder";
inline constexpr std::string_view kProgIdProfilesData = "RQ/800 Data Server - Profiles Data";
inline constexpr std::string_view kProgIdModemsData = "RQ/800 Data Server - Modems Data";
inline constexpr std::string_view kProgIdGroupAccessPoliciesData =
    "RQ/800 Data Server - Group Access Policies Data";

}  // namespace ptp::frame
