#include "profiles/profile_entry_identifier.h"

#include "config/config_text.h"

namespace ptp::profiles {

std::string ProfileEntryTag(int protocol, bool dialVariant) {
    using namespace std::string_literals;
    if (dialVariant) return "WDN\0"s;
    if (protocol == 0) return "\x10\x55\x00\x00"s;
    if (protocol == 1) return "\xC0\x23\x00\x00"s;
    return "\xC2\x23\x00\x00"s;
}

std::string ProfileEntryIdentifier(std::string_view tag, std::string_view name) {
    return std::string(tag) + config::ToUpper(name);
}

std::size_t ProfileEntryIdentifierLength(std::string_view name) {
    return name.size() + 5;
}

std::string HexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(kDigits[byte >> 4]);
        hex.push_back(kDigits[byte & 0x0F]);
    }
    return hex;
}

}  // namespace ptp::profiles
