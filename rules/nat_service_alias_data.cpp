#include "rules/nat_service_alias_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"PROTOCOL", "DSTPORT", "SRCPORT"};
constexpr ClauseWords kClauses(kClauseList);

CNATServiceAliasData::CNATServiceAliasData() : CNATData(kNATServiceAlias) {}

CNATServiceAliasData::CNATServiceAliasData(std::string_view text, bool& failed)
    : CNATServiceAliasData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATServiceAliasData::Clone() const {
    return std::make_unique<CNATServiceAliasData>(*this);
}

void CNATServiceAliasData::SetProtocol(std::string_view value) {
    m_dwProtocolKind = kServiceAliasProtocol;
    SetField(m_strProtocol, config::ToUpper(value));
}

int CNATServiceAliasData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "SERVICE", m_strLineLabel)) return Reject(kParseNotThisStatement);
    m_strName.assign(NextValueWord(rest, kClauses));
    bool sourcePortRead = false;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (StartsWith(word, "PROTOCOL")) {
            if (m_dwProtocolKind != kServiceAliasProtocol) m_bModified = true;
            m_dwProtocolKind = kServiceAliasProtocol;
            m_strProtocol = config::ToUpper(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "TCPIP_SERVICE")) {
            return Reject(kParseUnsupported);
        } else if (StartsWith(word, "DSTPORT")) {
            const OperatorValue clause = ReadOperatorBefore(word, rest, kClauses);
            m_strDstPortOperator.assign(clause.op);
            m_strDstPort.assign(clause.value);
        } else if (StartsWith(word, "SRCPORT")) {
            const OperatorValue clause = ReadOperatorBefore(word, rest, kClauses);
            m_strSrcPortOperator.assign(clause.op);
            m_strSrcPort.assign(clause.value);
            sourcePortRead = true;
        } else {
            break;
        }
    }
    return sourcePortRead ? Accept() : Reject(kParseNotThisStatement);
}

int CNATServiceAliasData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("SERVICE " + m_strName + " ");
    clauses.push_back("PROTOCOL = " + m_strProtocol + " ");
    clauses.push_back("DSTPORT " + m_strDstPortOperator + " " + m_strDstPort + " ");
    clauses.push_back("SRCPORT " + m_strSrcPortOperator + " " + m_strSrcPort);
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
