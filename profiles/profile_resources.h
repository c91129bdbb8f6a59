#pragma once
// Resource numbers of the profile sheet and its General page (resources/dialogs/profiles.json,
// resources/strings/profiles.json). A page's help topic is its template number + 0x20000.
#include "platform/com/wintypes.h"

namespace ptp::profiles {

// Templates.
inline constexpr UINT IDD_PROFILE_GENERAL = 36000;

// General page controls.
inline constexpr int IDC_PROFILE_NAME = 36200;
inline constexpr int IDC_PROFILE_DESCRIPTION = 36201;
inline constexpr int IDC_PROFILE_PROTOCOL_TEXT = 36202;
inline constexpr int IDC_PROFILE_KIND_TEXT = 36203;
inline constexpr int IDC_PROFILE_AUTOSTART = 36204;

// Sheet texts.
inline constexpr UINT IDS_PROFILE_NEW_CAPTION = 36100;         // %1 system
inline constexpr UINT IDS_PROFILE_PROPERTIES_CAPTION = 36101;  // %1 profile, %2 system
inline constexpr UINT IDS_PROFILE_NOT_SUPPORTED = 36102;
inline constexpr UINT IDS_PROFILE_OUT_OF_MEMORY = 36103;
inline constexpr UINT IDS_PROFILE_VALIDATION_LIST_MISSING = 36104;  // %1 list

// General page texts.
inline constexpr UINT IDS_PROFILE_NAME_REQUIRED = 36110;
inline constexpr UINT IDS_PROFILE_NAME_BLANK = 36111;
inline constexpr UINT IDS_PROFILE_NAME_EXISTS = 36112;  // %1 name
inline constexpr UINT IDS_PROFILE_PROTOCOL_PPP = 36120;
inline constexpr UINT IDS_PROFILE_PROTOCOL_SLIP = 36121;
inline constexpr UINT IDS_PROFILE_KIND_DIAL = 36130;
inline constexpr UINT IDS_PROFILE_KIND_DIAL_VARIANT1 = 36131;
inline constexpr UINT IDS_PROFILE_KIND_DIAL_VARIANT2 = 36132;
inline constexpr UINT IDS_PROFILE_KIND_DIAL_VARIANT3 = 36133;
inline constexpr UINT IDS_PROFILE_KIND_SWITCHED_MODE3 = 36134;
inline constexpr UINT IDS_PROFILE_KIND_SWITCHED_MODE4 = 36135;
inline constexpr UINT IDS_PROFILE_KIND_SWITCHED_MODE6 = 36136;
inline constexpr UINT IDS_PROFILE_KIND_ANSWER = 36137;
inline constexpr UINT IDS_PROFILE_KIND_LEASED_INITIATOR = 36138;
inline constexpr UINT IDS_PROFILE_KIND_LEASED_TERMINATOR = 36139;
inline constexpr UINT IDS_PROFILE_KIND_VIRTUAL_MODE1 = 36140;
inline constexpr UINT IDS_PROFILE_KIND_VIRTUAL_MODE3 = 36141;
inline constexpr UINT IDS_PROFILE_KIND_VIRTUAL_MODE5 = 36142;
inline constexpr UINT IDS_PROFILE_KIND_VIRTUAL_MODE7 = 36143;
inline constexpr UINT IDS_PROFILE_KIND_VIRTUAL_MODE8 = 36144;
inline constexpr UINT IDS_PROFILE_KIND_VIRTUAL_MODE9 = 36145;
inline constexpr UINT IDS_PROFILE_KIND_L2TP_TERMINATOR = 36146;

// Messages of the General page: exclamation icon, system modal.
inline constexpr UINT kProfileMessageStyle = 0x1030;

}  // namespace ptp::profiles
