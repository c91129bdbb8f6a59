#pragma once
// Conversions between the store's UTF-8 and the byte forms files are kept in.
#include <string>
#include <string_view>

namespace ptp::server {

// UTF-16 big-endian without a byte-order mark, as files of coded character set 13488 are kept.
std::string Utf8ToUtf16Be(std::string_view utf8);
// Accepts either byte order when a byte-order mark says so; big-endian otherwise. An odd last
// byte and unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes);

// ASCII case folding, the way the server compares object and file names.
std::string UpperAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// '*' matches any run, '?' one character; case-insensitive.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace ptp::server
