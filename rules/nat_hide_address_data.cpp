#include "rules/nat_hide_address_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {
namespace {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"BEHIND", "TIMEOUT", "MAXCON", "JRN"};
constexpr ClauseWords kClauses(kClauseList);

std::string WithPort(const std::string& address, const std::string& port) {
    return port.empty() ? address : address + ":" + port;
}

// A port counts only when it is a number above 0.
std::string_view ValidPort(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
    if (text.find_first_not_of('0') == std::string_view::npos) return {};
    return text;
}

// An address, optionally followed by ":" and a port, with or without blanks around the colon.
bool ReadAddressWithPort(std::string_view& rest, std::string& address, std::string& port) {
    if (config::TrimLeft(rest).empty()) return false;
    const std::string_view word = NextValueWord(rest, kClauses);
    std::string_view portText;
    const std::size_t colon = word.find(':');
    if (colon != std::string_view::npos) {
        address.assign(word.substr(0, colon));
        portText = word.substr(colon + 1);
        if (portText.empty()) portText = NextValueWord(rest, kClauses);
    } else {
        address.assign(word);
        if (StartsWith(PeekWord(rest), ":")) {
            portText = NextWord(rest).substr(1);
            if (portText.empty()) portText = NextValueWord(rest, kClauses);
        }
    }
    port.assign(ValidPort(portText));
    return true;
}

}  // namespace

CNATHideAddressData::CNATHideAddressData() : CNATData(kNATHideAddress) {}

CNATHideAddressData::CNATHideAddressData(std::string_view text, bool& failed)
    : CNATHideAddressData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATHideAddressData::Clone() const {
    return std::make_unique<CNATHideAddressData>(*this);
}

std::string CNATHideAddressData::GetBehindAddressText() const {
    return WithPort(m_strBehindAddress, m_strBehindPort);
}

int CNATHideAddressData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "HIDE", m_strLineLabel)) return Reject(kParseNotThisStatement);
    if (!ReadAddressWithPort(rest, m_strName, m_strHiddenPort)) {
        return Reject(kParseNotThisStatement);
    }
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (StartsWith(word, "BEHIND")) {
            if (!ReadAddressWithPort(rest, m_strBehindAddress, m_strBehindPort)) break;
        } else if (StartsWith(word, "TIMEOUT")) {
            m_strTimeout.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else if (StartsWith(word, "MAXCON")) {
            m_strMaxConnections.assign(ReadOperatorBefore(word, rest, kClauses).value);
        } else {
            // The journal clause ends the statement.
            m_strJournal.assign(ReadOperatorBefore(word, rest, kClauses).value);
            return Accept();
        }
    }
    return Reject(kParseNotThisStatement);
}

int CNATHideAddressData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("HIDE " + WithPort(m_strName, m_strHiddenPort) + " ");
    clauses.push_back("BEHIND " + GetBehindAddressText() + " ");
    clauses.push_back("TIMEOUT = " + m_strTimeout + " ");
    clauses.push_back("MAXCON = " + m_strMaxConnections + " ");
    clauses.push_back("JRN = " + m_strJournal);
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
