#include "rules/nat_define_address_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {
namespace {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"IP", "HOST_NAME", "MASK", "TYPE"};
constexpr ClauseWords kClauses(kClauseList);

OperatorValue ReadClause(std::string_view word, std::string_view& rest) {
    return ReadOperatorBefore(word, rest, kClauses);
}

}  // namespace

CNATDefineAddressData::CNATDefineAddressData() : CNATData(kNATDefineAddress) {}

CNATDefineAddressData::CNATDefineAddressData(std::string_view text, bool& failed)
    : CNATDefineAddressData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATDefineAddressData::Clone() const {
    return std::make_unique<CNATDefineAddressData>(*this);
}

void CNATDefineAddressData::SetAddressKind(std::uint32_t kind) {
    m_dwAddressKind = kind;
    m_bModified = true;
}

void CNATDefineAddressData::SetIPForm(std::uint32_t form) {
    m_dwIPForm = form;
    m_bModified = true;
}

void CNATDefineAddressData::SetAddresses(std::vector<std::string> addresses) {
    m_addresses = std::move(addresses);
    m_bModified = true;
}

void CNATDefineAddressData::SetIPAddresses(std::vector<std::string> addresses) {
    m_ipAddresses = std::move(addresses);
    m_bModified = true;
}

void CNATDefineAddressData::SetHostNames(std::vector<std::string> names) {
    m_hostNames = std::move(names);
    m_bModified = true;
}

void CNATDefineAddressData::ReadIPClause(std::string_view word, std::string_view& rest) {
    m_dwAddressKind = kAddressIP;
    const std::string_view value = ReadClause(word, rest).value;
    if (value == "LOCAL") {
        m_dwIPForm = kAddressFormLocal;
        return;
    }
    if (!StartsWith(value, "{") && PeekWord(rest) == "THROUGH") {
        (void)NextWord(rest);
        m_dwIPForm = kAddressFormRange;
        m_strRangeStart.assign(value);
        m_strRangeEnd.assign(NextValueWord(rest, kClauses));
        return;
    }
    m_dwIPForm = kAddressFormList;
    m_ipAddresses = ReadList(value, rest);
}

int CNATDefineAddressData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "ADDRESS", m_strLineLabel)) return Reject(kParseNotThisStatement);
    m_strName.assign(NextValueWord(rest, kClauses));
    if (m_strName.empty()) return Reject(kParseNotThisStatement);
    bool addressesRead = false;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (StartsWith(word, "IP")) {
            ReadIPClause(word, rest);
            addressesRead = true;
        } else if (StartsWith(word, "HOST_NAME")) {
            m_dwAddressKind = kAddressHostNames;
            m_hostNames = ReadList(ReadClause(word, rest).value, rest);
            addressesRead = true;
        } else if (StartsWith(word, "MASK")) {
            m_strMask.assign(ReadClause(word, rest).value);
        } else if (StartsWith(word, "TYPE")) {
            m_strType.assign(ReadClause(word, rest).value);
        } else if (!addressesRead) {
            // Addresses written right after the name, without a label.
            m_dwAddressKind = kAddressList;
            m_addresses = ReadList(word, rest);
            addressesRead = true;
        }
    }
    return Accept();
}

int CNATDefineAddressData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("ADDRESS " + m_strName + " ");
    if (m_dwAddressKind == kAddressList) {
        clauses.push_back(WriteList(m_addresses) + " ");
    } else if (m_dwAddressKind == kAddressHostNames) {
        clauses.push_back("HOST_NAME = {" + JoinList(m_hostNames) + "}");
    } else if (m_dwIPForm == kAddressFormRange) {
        clauses.push_back("IP = " + m_strRangeStart + " THROUGH " + m_strRangeEnd + " ");
    } else if (m_dwIPForm == kAddressFormLocal) {
        clauses.emplace_back("IP = LOCAL ");
    } else {
        clauses.push_back("IP = " + WriteList(m_ipAddresses) + " ");
    }
    if (!m_strMask.empty()) clauses.push_back("MASK = " + m_strMask + " ");
    clauses.push_back("TYPE = " + m_strType);
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
