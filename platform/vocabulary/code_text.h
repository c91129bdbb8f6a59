#pragma once
// Integer codes travel as their decimal text; these keep the conversion in one place. The naming
// scheme of the vocabulary is described in kinds.h.
#include <string>
#include <string_view>

namespace ptp::code {

// The text an attribute carries for `value`.
inline std::string Text(int value) {
    return std::to_string(value);
}

// True when attribute text `text` is exactly the decimal form of `value`, the way the server's
// own readers compare codes (no blanks, no leading zeros).
inline bool Is(std::string_view text, int value) {
    return text == Text(value);
}

}  // namespace ptp::code
