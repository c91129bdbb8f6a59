#include "server/rules_check.h"

#include <array>

#include "platform/vocabulary/rules.h"
#include "server/stream_files.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

constexpr std::array kKeywords = {"ADDRESS", "SERVICE",      "ICMP_SERVICE",
                                  "FILTER",  "ADMIX_FILTER", "FILTER_INTERFACE",
                                  "HIDE",    "MAP",          "INCLUDE"};

std::string Trim(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(" \t\r");
    return std::string(text.substr(begin, end - begin + 1));
}

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::string current;
    for (char c : line) {
        if (c == ' ' || c == '\t') {
            if (!current.empty()) words.push_back(current);
            current.clear();
            continue;
        }
        current.push_back(c);
    }
    if (!current.empty()) words.push_back(current);
    return words;
}

bool IsKeyword(std::string_view word) {
    for (auto keyword : kKeywords) {
        if (EqualsNoCase(word, keyword)) return true;
    }
    return false;
}

// The file an INCLUDE statement names: "INCLUDE FILE = /path".
std::string IncludedFile(const std::vector<std::string>& words, std::size_t keyword) {
    for (std::size_t i = keyword + 1; i + 2 < words.size(); ++i) {
        if (EqualsNoCase(words[i], "FILE") && words[i + 1] == "=") return words[i + 2];
    }
    return {};
}

}  // namespace

Attributes RulesCheckResult::AsAttributes(int operation) const {
    Attributes attributes{{operation, std::to_string(result)},
                          {attr::verify_rules::kFindingCount, std::to_string(findings.size())}};
    for (std::size_t i = 0; i < findings.size(); ++i)
        attributes[attr::verify_rules::kFirstFinding + static_cast<int>(i)] = findings[i];
    return attributes;
}

RulesCheckResult CheckRulesFile(StreamFiles& files, std::string_view path, RulesCheck check) {
    RulesCheckResult outcome;
    auto text = files.Read(path);
    if (!text) {
        outcome.result = code::verify_result::kUnreadable;
        outcome.findings.push_back(text.error().Reply());
        return outcome;
    }
    bool syntax = check != RulesCheck::Includes;
    bool includes = check != RulesCheck::Syntax;
    bool continued = false;
    int lineNumber = 0;
    std::size_t start = 0;
    const std::string& body = text->text;
    while (start <= body.size()) {
        std::size_t end = body.find('\n', start);
        if (end == std::string::npos) end = body.size();
        std::string line = Trim(std::string_view(body).substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty()) continue;
        bool wasContinued = continued;
        continued = line.back() == '%' && line.front() != '#';
        if (wasContinued || line.front() == '#') continue;
        std::vector<std::string> words = Words(line);
        std::size_t keyword = IsKeyword(words[0]) ? 0 : 1;
        if (keyword >= words.size() || !IsKeyword(words[keyword])) {
            if (syntax)
                outcome.findings.push_back("Line " + std::to_string(lineNumber) +
                                           ": no statement starts with " + words[0] + ".");
            continue;
        }
        if (!includes || !EqualsNoCase(words[keyword], "INCLUDE")) continue;
        std::string included = IncludedFile(words, keyword);
        if (included.empty() || !files.Exists(included))
            outcome.findings.push_back("Line " + std::to_string(lineNumber) + ": included file " +
                                       included + " not found.");
    }
    if (continued && syntax) outcome.findings.push_back("The last statement is not closed.");
    outcome.result =
        outcome.findings.empty() ? code::verify_result::kClean : code::verify_result::kFindings;
    return outcome;
}

}  // namespace ptp::server
