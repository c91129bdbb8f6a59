#pragma once
// The three-letter codes that tell the plug-in's folders and objects apart. They are compared
// exactly, case included.
#include <string_view>

namespace ptp::frame {

inline constexpr std::string_view kTypeContainerFolder = "NPP";
inline constexpr std::string_view kTypeOriginatorFolder = "NPF";
inline constexpr std::string_view kTypeReceiverFolder = "NRC";
inline constexpr std::string_view kTypeOriginatorProfile = "NPO";
inline constexpr std::string_view kTypeReceiverProfile = "NRV";
inline constexpr std::string_view kTypePoliciesFolder = "NGP";
inline constexpr std::string_view kTypePolicy = "NGO";
inline constexpr std::string_view kTypeModemsFolder = "NMD";
inline constexpr std::string_view kTypeModem = "NMO";

// Profiles, modems and policies have a server-side list record; folders do not.
[[nodiscard]] inline bool HasListRecord(std::string_view typeCode) {
    return typeCode == kTypeOriginatorProfile || typeCode == kTypeReceiverProfile ||
           typeCode == kTypeModem || typeCode == kTypePolicy;
}

[[nodiscard]] inline bool IsProfile(std::string_view typeCode) {
    return typeCode == kTypeOriginatorProfile || typeCode == kTypeReceiverProfile;
}

}  // namespace ptp::frame
