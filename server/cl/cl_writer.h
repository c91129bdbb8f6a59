#pragma once
// Writes a statement back as command text, in the one canonical form the parser reads back to
// the same statement: single blanks, apostrophes doubled inside quoted strings.
#include <string>

#include "server/cl/cl_statement.h"

namespace ptp::server::cl {

[[nodiscard]] std::string WriteCommand(const ClStatement& statement);
[[nodiscard]] std::string WriteElement(const ClElement& element);

}  // namespace ptp::server::cl
