#pragma once
// First layer of the CL parser: the command text cut into words, quoted strings and parentheses.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "server/cl/cl_syntax_error.h"

namespace ptp::server::cl {

struct ClToken {
    enum class Kind { Word, Quoted, Open, Close };

    Kind kind = Kind::Word;
    std::string text;          // word as typed, or the quoted string's value
    std::size_t position = 0;  // 1-based column
    bool blankBefore = false;  // a blank separates it from the token before
};

// The longest command text accepted; longer texts are refused before they are looked at.
inline constexpr std::size_t kMaxCommandLength = 32768;

// Cuts `text` into tokens. A command is one line: control characters are refused everywhere,
// also inside quoted strings, so nothing in a value can start a second line or command.
[[nodiscard]] ClSyntaxResult<std::vector<ClToken>> Tokenize(std::string_view text);

}  // namespace ptp::server::cl
