#pragma once
// Conversions between the UTF-8 text used everywhere inside and the 16-bit text that byte formats
// such as item ids demand. Malformed input becomes U+FFFD instead of failing.
#include <string>
#include <string_view>

namespace ptp {

[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view text);
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace ptp
