#pragma once
// The statements of a packet rules file as the console's rules view lists them: a line that ends
// in '%' goes on in the next line, a line starting with '#' is a comment, blank lines separate.
#include <string>
#include <string_view>
#include <vector>

namespace ptp::console {

struct RulesStatement {
    int line = 0;          // where the statement starts, from 1
    bool comment = false;  // a '#' line: `keyword` is empty
    std::string keyword;   // the first word, upper case
    std::string text;      // continued lines joined by one blank, without their '%'
};

struct RulesStatements {
    std::vector<RulesStatement> statements;
    bool unclosed = false;  // the file ends in a continued line
};

[[nodiscard]] RulesStatements SplitRulesStatements(const std::vector<std::string>& lines);

}  // namespace ptp::console
