#pragma once
// The texts of profile and connection status codes (profile attribute 3, connection attribute 4)
// and of connection reason codes (connection attribute 25). The profiles list and the connection
// views show the same texts. Status and reason kOther (the server's own text) and reason kNone
// are the caller's: their text lives in other attributes.
#include <string>

#include "platform/res/resource_module.h"

namespace ptp::frame {

// The text of status `code`; empty for codes without one (and for code::status::kOther).
[[nodiscard]] std::string StatusText(const res::ResourceModule& texts, int code);
// The text of reason `code`; empty for codes without one (and for code::reason::kNone and
// kOther).
[[nodiscard]] std::string ReasonText(const res::ResourceModule& texts, int code);

}  // namespace ptp::frame
