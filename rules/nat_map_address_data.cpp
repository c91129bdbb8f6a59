#include "rules/nat_map_address_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"TO", "LINE", "PPP_FILTER_ID", "JRN"};
constexpr ClauseWords kClauses(kClauseList);

CNATMapAddressData::CNATMapAddressData() : CNATData(kNATMapAddress) {}

CNATMapAddressData::CNATMapAddressData(std::string_view text, bool& failed) : CNATMapAddressData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATMapAddressData::Clone() const {
    return std::make_unique<CNATMapAddressData>(*this);
}

void CNATMapAddressData::SetPPPFilterId(bool pppFilterId) {
    m_bPPPFilterId = pppFilterId;
    m_bModified = true;
}

int CNATMapAddressData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "MAP", m_strLineLabel)) return Reject(kParseNotThisStatement);
    m_strName.assign(NextValueWord(rest, kClauses));
    bool filterIdRead = false;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (StartsWith(word, "TO")) {
            if (!StartsWith(PeekWord(rest), "PPP_FILTER_ID")) {
                m_strToAddress.assign(NextValueWord(rest, kClauses));
                continue;
            }
            word = NextWord(rest);
            m_strToAddress.clear();
            m_strLine.assign(ReadOperatorBefore(word, rest, kClauses).value);
            m_bPPPFilterId = true;
            filterIdRead = true;
        } else if (StartsWith(word, "LINE")) {
            m_strLine.assign(ReadOperatorBefore(word, rest, kClauses).value);
            m_bPPPFilterId = false;
        } else if (StartsWith(word, "PPP_FILTER_ID")) {
            m_strLine.assign(ReadOperatorBefore(word, rest, kClauses).value);
            m_bPPPFilterId = true;
            filterIdRead = true;
        } else {
            // The journal clause ends the statement.
            m_strJournal.assign(ReadOperatorBefore(word, rest, kClauses).value);
            return Accept();
        }
    }
    return filterIdRead ? Accept() : Reject(kParseNotThisStatement);
}

int CNATMapAddressData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("MAP " + m_strName + " ");
    clauses.push_back("TO " + m_strToAddress + " ");
    if (!m_strLine.empty()) {
        clauses.push_back((m_bPPPFilterId ? "PPP_FILTER_ID = " : "LINE = ") + m_strLine + " ");
    }
    clauses.push_back("JRN = " + m_strJournal + " ");
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
