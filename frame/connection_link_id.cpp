#include "frame/connection_link_id.h"

#include <cstdio>

namespace ptp::frame {

std::uint32_t LinkIdFromBuffer(const char* buffer, std::size_t capacity) {
    if (!buffer || capacity < 8) return 0;
    std::uint32_t id = 0;
    for (std::size_t index = 4; index < 8; ++index)
        id = (id << 8) | static_cast<unsigned char>(buffer[index]);
    return id;
}

std::string LinkIdText(std::uint32_t linkId) {
    char text[9];
    std::snprintf(text, sizeof text, "%.8X", static_cast<unsigned>(linkId));
    return text;
}

}  // namespace ptp::frame
