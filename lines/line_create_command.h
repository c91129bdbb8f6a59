#pragma once
// The command that creates a PPP line on a communication port: the base command with every value
// the line always has, then the fragments its interface, framing, connection and dialling call
// for, in a fixed order.
#include <string>

#include "lines/line_command_values.h"

namespace ptp::lines {

[[nodiscard]] std::string BuildCreateLineCommand(const CLineCommandValues& values);

}  // namespace ptp::lines
