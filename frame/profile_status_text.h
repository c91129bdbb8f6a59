#pragma once
// The texts of the profile and connection status codes, shared by the profile folders and the
// connection view. Code 255 carries its text in an attribute of its own; the callers handle it.
#include <string>

namespace ptp::frame {

inline constexpr int kStatusOwnText = 255;

// The text of status `code`: empty for codes without one.
[[nodiscard]] std::string ProfileStatusText(int code);

}  // namespace ptp::frame
