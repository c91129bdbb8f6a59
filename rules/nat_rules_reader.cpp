#include "rules/nat_rules_reader.h"

#include <array>

#include "config/config_text.h"

namespace ptp::rules {
namespace {

using config::EqualsNoCase;
using config::NextWord;
using config::StartsWith;
using config::Trim;

constexpr std::array<std::string_view, 9> kKeywords{"ADDRESS",      "ICMP_SERVICE",     "FILTER",
                                                    "ADMIX_FILTER", "FILTER_INTERFACE", "HIDE",
                                                    "MAP",          "INCLUDE",          "#INCLUDE"};

}  // namespace

bool IsStatementKeyword(std::string_view word, std::string_view next) {
    if (word.empty()) return false;
    if (EqualsNoCase(word, "SERVICE")) return next != "=";
    for (const std::string_view keyword : kKeywords) {
        if (EqualsNoCase(word, keyword)) return true;
    }
    return StartsWith(Trim(word), "#");
}

CNATRulesReader::CNATRulesReader(std::vector<std::unique_ptr<CNATData>>& statements, int rulesLevel,
                                 bool activeRules, std::string* activePath)
    : m_statements(statements),
      m_nRulesLevel(rulesLevel),
      m_bActiveRules(activeRules),
      m_pActivePath(activePath) {}

void CNATRulesReader::AddLine(std::string_view rawLine) {
    ++m_nLine;
    const std::string_view line = Trim(rawLine);
    std::string_view rest = line;
    const std::string_view first = NextWord(rest);
    const std::string_view second = NextWord(rest);
    const std::string_view third = NextWord(rest);

    if (StartsWith(first, "###")) {
        m_strPendingDescription.assign(line);
        return;
    }
    if (m_bContinues) {
        if (config::EndsWith(line, "%")) {
            m_strText.append(line.substr(0, line.size() - 1));
            m_strText.append("\r\n");
        } else {
            m_strText.append(line);
            m_bContinues = false;
        }
        return;
    }
    std::string_view keyword;
    if (IsStatementKeyword(first, second)) {
        keyword = first;
    } else if (IsStatementKeyword(second, third)) {
        keyword = second;
    } else {
        return;
    }
    if (m_strText.empty()) m_strKeyword.assign(keyword);
    CompleteStatement();
    m_strKeyword.assign(keyword);
    m_nStatementLine = m_nLine;
    if (config::EndsWith(line, "%") && !StartsWith(line, "#")) {
        m_strText.assign(line.substr(0, line.size() - 1));
        m_strText.append("\r\n");
        m_bContinues = true;
    } else {
        m_strText.assign(line);
    }
}

void CNATRulesReader::Finish() {
    CompleteStatement();
    m_bContinues = false;
}

void CNATRulesReader::CompleteStatement() {
    if (m_strText.empty()) return;
    std::unique_ptr<CNATData> statement = CreateNATStatement(m_strKeyword, m_nRulesLevel);
    if (!statement) {
        m_strText.clear();
        return;
    }
    const int result = statement->Parse(m_strText);
    if (result != kParseOk) {
        m_dropped.push_back({m_nStatementLine, result, m_strText});
        m_strText.clear();
        return;
    }
    const bool comment = statement->GetType() == kNATComment;
    bool numbered = !(comment && m_bActiveRules);
    if (m_bActiveRules && m_pActivePath != nullptr && m_pActivePath->empty() &&
        EqualsNoCase(m_strKeyword, "#INCLUDE")) {
        // The active rules name the file they came from on their first include comment.
        std::string_view named =
            m_strText.size() > 8 ? std::string_view(m_strText).substr(8) : std::string_view{};
        const std::size_t equal = named.find('=');
        if (equal != std::string_view::npos) named = named.substr(equal + 1);
        m_pActivePath->assign(Trim(named));
        numbered = false;
    }
    if (numbered) statement->SetNumber(++m_nStatementCount);
    // A comment's text is its description field, so a comment never takes a pending description:
    // the description waits for the next statement rather than overwrite the comment.
    if (!m_strPendingDescription.empty() && !comment) {
        statement->SetDescription(std::string_view(m_strPendingDescription).substr(3));
        m_strPendingDescription.clear();
        if (!m_bActiveRules) ++m_nStatementCount;
    }
    statement->SetModified(false);
    m_statements.push_back(std::move(statement));
    m_strText.clear();
}

std::vector<DroppedStatement> ReadRulesText(std::string_view text, int rulesLevel,
                                            std::vector<std::unique_ptr<CNATData>>& statements) {
    CNATRulesReader reader(statements, rulesLevel, false, nullptr);
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        reader.AddLine(text.substr(0, feed));
        if (feed == std::string_view::npos) break;
        text.remove_prefix(feed + 1);
    }
    reader.Finish();
    return reader.GetDropped();
}

}  // namespace ptp::rules
