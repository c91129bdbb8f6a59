#pragma once
// Texts of the profile setup dialog (resources/strings/profile_setup.json).
#include "platform/com/wintypes.h"

namespace ptp::profiles {

inline constexpr UINT IDS_SETUP_CAPTION = 31120;  // %1: the system's display name
inline constexpr UINT IDS_SETUP_MODE_DIAL = 31131;
inline constexpr UINT IDS_SETUP_MODE_ANSWER = 31132;
inline constexpr UINT IDS_SETUP_MODE_DIAL_ON_DEMAND = 31133;
inline constexpr UINT IDS_SETUP_MODE_DIAL_DEDICATED = 31134;
inline constexpr UINT IDS_SETUP_MODE_DIAL_POOL = 31135;
inline constexpr UINT IDS_SETUP_MODE_INITIATOR = 31136;
inline constexpr UINT IDS_SETUP_MODE_TERMINATOR = 31137;
inline constexpr UINT IDS_SETUP_MODE_L2TP_TUNNEL_ONLY = 31138;
inline constexpr UINT IDS_SETUP_MODE_L2TP_ON_DEMAND = 31139;
inline constexpr UINT IDS_SETUP_LINE_ONE = 31140;
inline constexpr UINT IDS_SETUP_LINE_POOL = 31141;

}  // namespace ptp::profiles
