#include "rules/nat_icmp_service_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"TYPE", "CODE"};
constexpr ClauseWords kClauses(kClauseList);

CNATIcmpServiceData::CNATIcmpServiceData() : CNATData(kNATIcmpService) {}

CNATIcmpServiceData::CNATIcmpServiceData(std::string_view text, bool& failed)
    : CNATIcmpServiceData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATIcmpServiceData::Clone() const {
    return std::make_unique<CNATIcmpServiceData>(*this);
}

int CNATIcmpServiceData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "ICMP_SERVICE", m_strLineLabel)) {
        return Reject(kParseNotThisStatement);
    }
    m_strName.assign(NextValueWord(rest, kClauses));
    if (m_strName.empty()) return Reject(kParseNotThisStatement);
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        // An empty type or code must not swallow the clause after it, so that what ToText
        // writes reads back the same.
        if (StartsWith(word, "TYPE")) {
            const OperatorValue clause = ReadOperatorBefore(word, rest, kClauses);
            m_strTypeOperator.assign(clause.op);
            m_strType.assign(clause.value);
        } else if (StartsWith(word, "CODE")) {
            const OperatorValue clause = ReadOperatorBefore(word, rest, kClauses);
            m_strCodeOperator.assign(clause.op);
            m_strCode.assign(clause.value);
        }
    }
    return Accept();
}

int CNATIcmpServiceData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("ICMP_SERVICE " + m_strName + " ");
    clauses.push_back("TYPE " + m_strTypeOperator + " " + m_strType + " ");
    clauses.push_back("CODE " + m_strCodeOperator + " " + m_strCode + " ");
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
