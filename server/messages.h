#pragma once
// The server's message file: every failure the stand-in reports carries a message identifier and
// a text built from the identifier's template, as a real server's message file does. Templates
// use %1..%9; arguments are inserted as plain text, never interpreted.
#include <initializer_list>
#include <string>
#include <string_view>

#include "server/result.h"

namespace ptp::server {

// The message `id` with its arguments; an unknown identifier still gives a readable text.
[[nodiscard]] Error Message(std::string_view id, std::initializer_list<std::string_view> args = {});

// The template text of `id`, or empty when the message file does not hold it.
[[nodiscard]] std::string_view MessageTemplate(std::string_view id);

// Fills %1..%9 of `pattern` with `args`; a placeholder without an argument becomes empty.
[[nodiscard]] std::string FillMessage(std::string_view pattern,
                                      std::initializer_list<std::string_view> args);

}  // namespace ptp::server
