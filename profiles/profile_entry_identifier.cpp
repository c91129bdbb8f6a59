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

std::string BytesOfHex(std::string_view hex) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0) break;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::string_view EntryKindOf(std::string_view identifier) {
    const std::string_view tag = identifier.substr(0, 4);
    if (tag == ProfileEntryTag(1, false)) return kEntryKindPAP;
    if (tag == ProfileEntryTag(2, false)) return kEntryKindCHAP;
    if (tag == kL2TPEntryTag) return kEntryKindL2TP;
    if (tag == kSLIPEntryTag) return kEntryKindSLIP;
    if (tag == kMultihopEntryTag) return kEntryKindHOP;
    return {};
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
