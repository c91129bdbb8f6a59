#pragma once
// The texts of profile and connection status codes (profile attribute 3, connection attribute 4)
// and of connection reason codes (connection attribute 25). The profiles list and the connection
// views show the same texts. Code 255 (the server's own text) and reason 0 and 255 are the
// caller's: their text lives in other attributes.
#include <string>

#include "platform/res/resource_module.h"

namespace ptp::frame {

inline constexpr int kStatusOther = 255;
inline constexpr int kReasonNone = 0;
inline constexpr int kReasonOther = 255;

// The text of status `code`; empty for codes without one (and for 255).
[[nodiscard]] std::string StatusText(const res::ResourceModule& texts, int code);
// The text of reason `code`; empty for codes without one (and for 0 and 255).
[[nodiscard]] std::string ReasonText(const res::ResourceModule& texts, int code);

}  // namespace ptp::frame
