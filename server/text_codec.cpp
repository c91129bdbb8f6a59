#include "server/text_codec.h"

#include <cstdint>

namespace ptp::server {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at `i`, advancing it; malformed input gives U+FFFD.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= utf8.size() || (byte(i) & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUnit(std::string& out, std::uint16_t unit) {
    out.push_back(static_cast<char>(unit >> 8));
    out.push_back(static_cast<char>(unit & 0xFF));
}

char ToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

}  // namespace

std::string Utf8ToUtf16Be(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = NextCodePoint(utf8, i);
        if (cp < 0x10000) {
            AppendUnit(out, static_cast<std::uint16_t>(cp));
            continue;
        }
        cp -= 0x10000;
        AppendUnit(out, static_cast<std::uint16_t>(0xD800 + (cp >> 10)));
        AppendUnit(out, static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)));
    }
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes) {
    bool little = false;
    std::size_t i = 0;
    if (bytes.size() >= 2) {
        auto b0 = static_cast<unsigned char>(bytes[0]);
        auto b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFF && b1 == 0xFE) {
            little = true;
            i = 2;
        } else if (b0 == 0xFE && b1 == 0xFF) {
            i = 2;
        }
    }
    auto unitAt = [&](std::size_t k) {
        auto hi = static_cast<unsigned char>(bytes[little ? k + 1 : k]);
        auto lo = static_cast<unsigned char>(bytes[little ? k : k + 1]);
        return static_cast<std::uint16_t>((hi << 8) | lo);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    while (i + 1 < bytes.size()) {
        std::uint16_t unit = unitAt(i);
        i += 2;
        if (unit < 0xD800 || unit > 0xDFFF) {
            AppendUtf8(out, unit);
            continue;
        }
        if (unit >= 0xDC00 || i + 1 >= bytes.size()) {
            AppendUtf8(out, kReplacement);
            continue;
        }
        std::uint16_t low = unitAt(i);
        if (low < 0xDC00 || low > 0xDFFF) {
            AppendUtf8(out, kReplacement);
            continue;
        }
        i += 2;
        AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
    }
    if (i < bytes.size()) AppendUtf8(out, kReplacement);
    return out;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToUpper(c);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpper(a[i]) != ToUpper(b[i])) return false;
    }
    return true;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    // Iterative matcher with one backtrack point: linear enough for names and never recursive.
    std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || ToUpper(pattern[p]) == ToUpper(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace ptp::server
