#include "host/base_tcpip_address.h"

namespace ptp::host {

CBaseTCPIPAddress::CBaseTCPIPAddress(std::string_view text) {
    std::array<int, 4> parts{};
    std::size_t part = 0;
    std::size_t digits = 0;
    for (const char c : text) {
        if (c == '.') {
            if (digits == 0 || ++part == parts.size()) return;
            digits = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++digits > 3) return;
        parts[part] = parts[part] * 10 + (c - '0');
        if (parts[part] > 255) return;
    }
    if (part != parts.size() - 1 || digits == 0) return;
    m_parts = parts;
    m_bValid = true;
}

}  // namespace ptp::host
