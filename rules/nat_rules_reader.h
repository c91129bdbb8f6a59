#pragma once
// Turns the lines of a rules file into statements: "###" lines describe the statement before
// them, a line ending in "%" continues on the next, and a word before a statement keyword is a
// line label. Fed one line at a time, so the file reads from any source.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/nat_data.h"

namespace ptp::rules {

// A statement that the reader dropped because it did not parse.
struct DroppedStatement {
    int line = 0;  // physical line (1-based) where it starts
    int result = 0;
    std::string text;
};

class CNATRulesReader {
  public:
    // In active-rules mode comments are not numbered, and the first "#INCLUDE" line names the
    // file in `activePath` while that is empty.
    CNATRulesReader(std::vector<std::unique_ptr<CNATData>>& statements, int rulesLevel,
                    bool activeRules, std::string* activePath);

    void AddLine(std::string_view line);
    // Completes the statement under way.
    void Finish();

    [[nodiscard]] bool AnyFailed() const { return !m_dropped.empty(); }
    [[nodiscard]] const std::vector<DroppedStatement>& GetDropped() const { return m_dropped; }

  private:
    void CompleteStatement();

    std::vector<std::unique_ptr<CNATData>>& m_statements;
    int m_nRulesLevel;
    bool m_bActiveRules;
    std::string* m_pActivePath;
    int m_nStatementCount = 0;
    int m_nLine = 0;
    int m_nStatementLine = 0;
    bool m_bContinues = false;
    std::string m_strPendingDescription;
    std::string m_strText;
    std::string m_strKeyword;
    std::vector<DroppedStatement> m_dropped;
};

// Whether `word` starts a statement, given the word after it.
[[nodiscard]] bool IsStatementKeyword(std::string_view word, std::string_view next);

// Reads a whole rules text (lines separated by line feeds) into statements.
std::vector<DroppedStatement> ReadRulesText(std::string_view text, int rulesLevel,
                                            std::vector<std::unique_ptr<CNATData>>& statements);

}  // namespace ptp::rules
