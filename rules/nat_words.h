#pragma once
// The word and clause readers every statement parser is built from.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ptp::rules {

using ClauseWords = std::span<const std::string_view>;

struct OperatorValue {
    std::string_view op;
    std::string_view value;
};

// Reads the operator and value of a clause whose keyword word is `word` ("SRCADDR", "SRCADDR=",
// "SRCADDR<>1.2.3.4"), taking further words from `rest` where the keyword word has none.
// Keyword, operator and value read alike whether written apart or together.
[[nodiscard]] OperatorValue ReadOperator(std::string_view word, std::string_view& rest);

// As ReadOperator, but a following word that is one of `clauseWords` is never taken as the
// operator or the value: it is the next clause, and the value stays empty.
[[nodiscard]] OperatorValue ReadOperatorBefore(std::string_view word, std::string_view& rest,
                                               ClauseWords clauseWords);

// Reads an optional line label and the statement keyword (compared by its leading characters).
// False when the keyword is missing.
[[nodiscard]] bool ReadKeyword(std::string_view& rest, std::string_view keyword,
                               std::string& label);

// A list written as "{a, b}" (words may continue until the closing brace) or a single item.
[[nodiscard]] std::vector<std::string> ReadList(std::string_view first, std::string_view& rest);
// Items joined with ", ", in braces when there is more than one or the one starts with a brace.
[[nodiscard]] std::string WriteList(const std::vector<std::string>& items);
[[nodiscard]] std::string JoinList(const std::vector<std::string>& items);

[[nodiscard]] std::string_view PeekWord(std::string_view rest);

// The next word as a value, unless it is one of `clauseWords`: then the value is empty and the
// word stays for the next clause. An empty value written by ToText thus never swallows the clause
// after it.
[[nodiscard]] std::string_view NextValueWord(std::string_view& rest, ClauseWords clauseWords);

}  // namespace ptp::rules
