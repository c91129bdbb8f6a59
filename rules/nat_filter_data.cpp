#include "rules/nat_filter_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {
namespace {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"ACTION",    "DIRECTION", "SRCADDR",
                                            "DSTADDR",   "SERVICE",   "PROTOCOL",
                                            "FRAGMENTS", "JRN",       "CONNECTION_DEFINITION",
                                            "QOSLEVEL",  "TYPE",      "CODE",
                                            "DSTPORT",   "SRCPORT"};
constexpr ClauseWords kClauses(kClauseList);

// The clause words ToText writes: an empty value never takes one of them.

bool IsFilterKeyword(std::string_view word) {
    return StartsWith(word, "FILTER") || StartsWith(word, "ADMIX_FILTER");
}

}  // namespace

CNATFilterData::CNATFilterData(int rulesLevel) : CNATData(kNATFilter), m_nRulesLevel(rulesLevel) {}

CNATFilterData::CNATFilterData(std::string_view text, bool& failed, int rulesLevel)
    : CNATFilterData(rulesLevel) {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATFilterData::Clone() const {
    return std::make_unique<CNATFilterData>(*this);
}

void CNATFilterData::SetServiceKind(std::uint32_t kind) {
    if (kind != m_dwServiceKind) m_bModified = true;
    m_dwServiceKind = kind;
}

int CNATFilterData::Parse(std::string_view text) {
    std::string_view rest = text;
    std::string_view word = NextWord(rest);
    if (!IsFilterKeyword(word)) {
        m_strLineLabel.assign(word);
        word = NextWord(rest);
    }
    if (!IsFilterKeyword(word)) return Reject(kParseNotThisStatement);
    (void)NextWord(rest);  // "SET"
    m_strName.assign(NextValueWord(rest, kClauses));

    for (word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (StartsWith(word, "ACTION")) {
            m_strAction.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "DIRECTION")) {
            m_strDirection.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "SRCADDR")) {
            const OperatorValue clause = ReadOperatorBefore(word, rest, kClauses);
            m_strSrcAddrOperator.assign(clause.op);
            m_strSrcAddr.assign(clause.value);
        } else if (StartsWith(word, "DSTADDR")) {
            const OperatorValue clause = ReadOperatorBefore(word, rest, kClauses);
            m_strDstAddrOperator.assign(clause.op);
            m_strDstAddr.assign(clause.value);
        } else if (StartsWith(word, "SERVICE")) {
            SetServiceKind(kFilterServiceNamed);
            m_strService.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "TCPIP_SERVICE")) {
            return Reject(kParseUnsupported);
        } else if (StartsWith(word, "PROTOCOL")) {
            m_strProtocol.assign(ReadOperatorBefore(word, rest, kClauses).value);
            // The two clauses after the protocol are its ports, or the ICMP type and code.
            const OperatorValue first = ReadOperatorBefore(NextWord(rest), rest, kClauses);
            const OperatorValue second = ReadOperatorBefore(NextWord(rest), rest, kClauses);
            if (m_strProtocol == "ICMP") {
                m_dwServiceKind = kFilterServiceIcmp;
                m_strIcmpTypeOperator.assign(first.op);
                m_strIcmpType.assign(first.value);
                m_strIcmpCodeOperator.assign(second.op);
                m_strIcmpCode.assign(second.value);
            } else {
                m_dwServiceKind = kFilterServiceProtocol;
                m_strDstPortOperator.assign(first.op);
                m_strDstPort.assign(first.value);
                m_strSrcPortOperator.assign(second.op);
                m_strSrcPort.assign(second.value);
            }
        } else if (StartsWith(word, "FRAGMENTS")) {
            m_strFragments.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "JRN")) {
            m_strJournal.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "CONNECTION_DEFINITION")) {
            m_strConnectionDefinition.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "QOSLEVEL")) {
            m_strQosLevel.assign(ReadOperatorBefore(word, rest, kClauses).value);
        }
    }
    return Accept();
}

int CNATFilterData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("FILTER SET " + m_strName + " ");
    clauses.push_back("ACTION = " + m_strAction + " ");
    clauses.push_back("DIRECTION = " + m_strDirection + " ");
    clauses.push_back("SRCADDR " + m_strSrcAddrOperator + " " + m_strSrcAddr + " ");
    clauses.push_back("DSTADDR " + m_strDstAddrOperator + " " + m_strDstAddr + " ");
    if (m_dwServiceKind == kFilterServiceIcmp) {
        clauses.push_back("PROTOCOL = ICMP ");
        clauses.push_back("TYPE " + m_strIcmpTypeOperator + " " + m_strIcmpType + " ");
        clauses.push_back("CODE " + m_strIcmpCodeOperator + " " + m_strIcmpCode + " ");
    } else if (m_dwServiceKind == kFilterServiceProtocol) {
        clauses.push_back("PROTOCOL = " + m_strProtocol + " ");
        clauses.push_back("DSTPORT " + m_strDstPortOperator + " " + m_strDstPort + " ");
        clauses.push_back("SRCPORT " + m_strSrcPortOperator + " " + m_strSrcPort + " ");
    } else {
        clauses.push_back("SERVICE = " + m_strService + " ");
    }
    clauses.push_back("FRAGMENTS = " + m_strFragments + " ");
    clauses.push_back("JRN = " + m_strJournal + " ");
    // Connection definitions belong to rules levels that know protected (IPSEC) filters.
    if (m_nRulesLevel > 0 && m_strAction == "IPSEC" &&
        !config::Trim(m_strConnectionDefinition).empty()) {
        clauses.push_back("CONNECTION_DEFINITION = " + m_strConnectionDefinition + " ");
    }
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
