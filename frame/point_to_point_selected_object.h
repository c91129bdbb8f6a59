#pragma once
// The facts of one selected console item that every command reads before it acts.
#include <string>
#include <string_view>

#include "host/host_services.h"

namespace ptp::frame {

inline constexpr std::string_view kReleaseV5R1 = "050100";
inline constexpr std::string_view kReleaseV5R2 = "050200";
inline constexpr std::string_view kReleaseV5R3 = "050300";
inline constexpr std::string_view kReleaseV5R4 = "050400";

// Whether release text `release` is at least `than`: their 16-bit character codes compared in
// order, the shorter text first when one is the start of the other.
[[nodiscard]] bool ReleaseAtLeast(std::string_view release, std::string_view than);

struct CPointToPointSelectedObject {
    std::string m_strTypeCode;
    std::string m_strServerName;
    std::string m_strObjectName;
    std::string m_strRelease;  // "VVRRMM", empty when the server did not tell
    bool m_bV5R1 = false;
    bool m_bV5R2 = false;
    bool m_bV5R3 = false;
    bool m_bV5R4 = false;
    // The item's record in its folder's list; null for folders. It stays the list data's.
    host::IServerObject* m_pListRecord = nullptr;

    // Keeps the release text and sets the four release flags from it.
    void SetRelease(std::string_view release);
};

}  // namespace ptp::frame
