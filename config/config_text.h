#pragma once
// Small text helpers shared by the keyed configuration files and the rules files. Both formats are
// plain byte text split at blanks, so these work on string views without allocating.
#include <cstdint>
#include <string>
#include <string_view>

namespace ptp::config {

// The characters the readers treat as white space when trimming a line or a word.
[[nodiscard]] constexpr bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// TrimLeft and NextWord run for every word of every line read, so they are inline.
[[nodiscard]] inline std::string_view TrimLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start]))
        ++start;
    return text.substr(start);
}
[[nodiscard]] std::string_view TrimRight(std::string_view text);
[[nodiscard]] std::string_view Trim(std::string_view text);

// Cuts the next blank-separated word off `rest`: white space on the left is skipped, the word ends
// at the first blank (code 32), and `rest` continues after that blank. Empty when nothing is left.
[[nodiscard]] inline std::string_view NextWord(std::string_view& rest) {
    rest = TrimLeft(rest);
    const std::size_t blank = rest.find(' ');
    const std::string_view word = rest.substr(0, blank);
    rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
    return word;
}

// Decimal conversion in the manner of the C library: leading white space, an optional sign, then
// digits up to the first other character. Text that is not a number gives 0; values beyond the
// 32-bit range are clamped rather than wrapped.
[[nodiscard]] int TextToInt(std::string_view text);
[[nodiscard]] std::string IntToText(int value);

[[nodiscard]] bool StartsWith(std::string_view text, std::string_view prefix);
[[nodiscard]] bool EndsWith(std::string_view text, std::string_view suffix);
[[nodiscard]] bool EqualsNoCase(std::string_view a, std::string_view b);
[[nodiscard]] bool StartsWithNoCase(std::string_view text, std::string_view prefix);
[[nodiscard]] std::string ToUpper(std::string_view text);

}  // namespace ptp::config
