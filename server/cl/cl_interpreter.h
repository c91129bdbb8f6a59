#pragma once
// The server's CL interpreter: one command text in, one reply out. The reply is empty when the
// command ran; otherwise it is a message identifier and text ("CPF2681: ...") and the system is
// unchanged, whatever part of the command was refused.
#include <string>
#include <string_view>

#include "server/system.h"

namespace ptp::server::cl {

// Runs `command` on `system` for `client`.
[[nodiscard]] std::string ExecuteClCommand(System& system, std::string_view client,
                                           std::string_view command);

// Runs `command` and writes it, with its reply and client, to the system's command log. For
// callers that reach the interpreter directly rather than through a host connection, which
// keeps the log itself.
[[nodiscard]] std::string RunClCommand(System& system, std::string_view client,
                                       std::string_view command);

}  // namespace ptp::server::cl
