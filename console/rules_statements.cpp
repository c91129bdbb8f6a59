#include "console/rules_statements.h"

#include <cctype>

namespace ptp::console {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string FirstWordUpper(std::string_view text) {
    std::string word;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '=') break;
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return word;
}

}  // namespace

RulesStatements SplitRulesStatements(const std::vector<std::string>& lines) {
    RulesStatements out;
    bool continuing = false;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        std::string_view line = Trimmed(lines[index]);
        if (!continuing && line.empty()) continue;
        if (!continuing && line.front() == '#') {
            out.statements.push_back({static_cast<int>(index + 1), true, {}, std::string(line)});
            continue;
        }
        const bool goesOn = !line.empty() && line.back() == '%';
        if (goesOn) line = Trimmed(line.substr(0, line.size() - 1));
        if (!continuing) {
            out.statements.push_back({static_cast<int>(index + 1), false, {}, {}});
        } else if (!line.empty() && !out.statements.back().text.empty()) {
            out.statements.back().text += ' ';
        }
        out.statements.back().text += line;
        continuing = goesOn;
    }
    for (RulesStatement& statement : out.statements) {
        if (!statement.comment) statement.keyword = FirstWordUpper(statement.text);
    }
    out.unclosed = continuing;
    return out;
}

}  // namespace ptp::console
