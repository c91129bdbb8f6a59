#pragma once
// Replies of the CL interpreter: the server's messages, plus the few that only commands give.
#include <initializer_list>
#include <string_view>

#include "server/result.h"

namespace ptp::server::cl {

// The message `id` filled with `args`, from the interpreter's own messages or the server's.
[[nodiscard]] Error ClMessage(std::string_view id, std::initializer_list<std::string_view> args);

}  // namespace ptp::server::cl
