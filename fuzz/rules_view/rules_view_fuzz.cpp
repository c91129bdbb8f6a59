// The console's packet rules view splits any file into statements: they start at increasing
// lines within the file, comments are '#' lines, and a statement's keyword is its first word.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "console/rules_statements.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> Lines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
            continue;
        }
        lines.back() += static_cast<char>(data[i]);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = Lines(data, size);
    const auto split = ptp::console::SplitRulesStatements(lines);
    int previous = 0;
    for (const auto& statement : split.statements) {
        Check(statement.line > previous && statement.line <= static_cast<int>(lines.size()));
        previous = statement.line;
        if (statement.comment) {
            Check(!statement.text.empty() && statement.text.front() == '#');
            Check(statement.keyword.empty());
            continue;
        }
        Check(statement.text.size() >= statement.keyword.size());
        for (std::size_t i = 0; i < statement.keyword.size(); ++i) {
            const auto c = static_cast<unsigned char>(statement.text[i]);
            Check(statement.keyword[i] == static_cast<char>(std::toupper(c)));
        }
    }
    return 0;
}
