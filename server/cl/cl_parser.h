#pragma once
// The CL parser: command text -> tokens -> statement. It knows the syntax only; which commands
// exist and what their parameters mean is the command table's business.
#include <string_view>

#include "server/cl/cl_statement.h"
#include "server/cl/cl_syntax_error.h"

namespace ptp::server::cl {

// Nesting deeper than this is refused; no command takes more than three levels.
inline constexpr int kMaxListDepth = 8;

// Parses one command: [LIBRARY/]COMMAND followed by KEYWORD(value) parameters separated by
// blanks. A value is a list of words, quoted strings and parenthesised lists. Names, keywords and
// words are upper-cased; quoted strings are kept as typed.
[[nodiscard]] ClSyntaxResult<ClStatement> ParseCommand(std::string_view text);

// True for a CL name: 1 to 10 letters, digits or $ # @ _, not starting with a digit or _.
[[nodiscard]] bool IsClName(std::string_view text);

}  // namespace ptp::server::cl
