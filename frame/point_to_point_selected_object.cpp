#include "frame/point_to_point_selected_object.h"

#include "platform/com/utf16.h"

namespace ptp::frame {

bool ReleaseAtLeast(std::string_view release, std::string_view than) {
    return Utf8ToUtf16(release).compare(Utf8ToUtf16(than)) >= 0;
}

void CPointToPointSelectedObject::SetRelease(std::string_view release) {
    m_strRelease = release;
    m_bV5R1 = ReleaseAtLeast(release, kReleaseV5R1);
    m_bV5R2 = ReleaseAtLeast(release, kReleaseV5R2);
    m_bV5R3 = ReleaseAtLeast(release, kReleaseV5R3);
    m_bV5R4 = ReleaseAtLeast(release, kReleaseV5R4);
}

}  // namespace ptp::frame
