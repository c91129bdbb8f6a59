#pragma once
// A command's parameters after checking: every value in its stored form (names and special
// values upper case, quoted strings unquoted), by keyword.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "server/cl/cl_parameter_rule.h"
#include "server/cl/cl_statement.h"
#include "server/result.h"

namespace ptp::server::cl {

struct ClArgument {
    // One row per list entry; a simple value or an element list is one row. Elements left out at
    // the end of an element list are empty.
    std::vector<std::vector<std::string>> rows;
    // The parameter's value as command text, for values kept whole (lists of entries).
    std::string written;
};

class ClArguments {
  public:
    void Set(std::string_view keyword, ClArgument argument);

    [[nodiscard]] bool Has(std::string_view keyword) const;
    [[nodiscard]] const ClArgument* Find(std::string_view keyword) const;
    // The first element of the first row, or `fallback` when the parameter was not given.
    [[nodiscard]] std::string Value(std::string_view keyword, std::string_view fallback = {}) const;
    // Element `index` of the first row; `fallback` when the parameter was not given.
    [[nodiscard]] std::string Element(std::string_view keyword, std::size_t index,
                                      std::string_view fallback = {}) const;

  private:
    std::map<std::string, ClArgument, std::less<>> m_values;
};

// Checks the statement's parameters against the command's: no unknown or missing ones, every
// value in its form and range.
[[nodiscard]] Result<ClArguments> CheckArguments(const ClStatement& statement,
                                                 const std::vector<ClParameterSpec>& parameters);

}  // namespace ptp::server::cl
