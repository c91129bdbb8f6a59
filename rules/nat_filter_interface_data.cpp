#include "rules/nat_filter_interface_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {

using config::NextWord;
using config::StartsWith;

// The clause words ToText writes: an empty value never takes one of them.
constexpr std::string_view kClauseList[] = {"LINE", "IP_ADDRESS", "INTERFACE", "PPP_FILTER_ID",
                                            "SET"};
constexpr ClauseWords kClauses(kClauseList);

CNATFilterInterfaceData::CNATFilterInterfaceData() : CNATData(kNATFilterInterface) {}

CNATFilterInterfaceData::CNATFilterInterfaceData(std::string_view text, bool& failed)
    : CNATFilterInterfaceData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATFilterInterfaceData::Clone() const {
    return std::make_unique<CNATFilterInterfaceData>(*this);
}

void CNATFilterInterfaceData::SetInterfaceKind(std::uint32_t kind) {
    if (kind != m_dwInterfaceKind) m_bModified = true;
    m_dwInterfaceKind = kind;
}

void CNATFilterInterfaceData::SetSetNames(std::vector<std::string> names) {
    m_setNames = std::move(names);
    m_bModified = true;
}

int CNATFilterInterfaceData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "FILTER_INTERFACE", m_strLineLabel)) {
        return Reject(kParseNotThisStatement);
    }
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        std::uint32_t kind = 0;
        if (StartsWith(word, "LINE")) {
            kind = kFilterInterfaceLine;
        } else if (StartsWith(word, "IP_ADDRESS")) {
            kind = kFilterInterfaceIPAddress;
        } else if (StartsWith(word, "INTERFACE")) {
            kind = kFilterInterfaceInterface;
        } else if (StartsWith(word, "PPP_FILTER_ID")) {
            kind = kFilterInterfacePPPFilterId;
        }
        if (kind != 0) {
            m_strName.assign(ReadOperatorBefore(word, rest, kClauses).value);
            SetInterfaceKind(kind);
            continue;
        }
        // The set clause: its names may be spread over several words, separated by commas.
        std::string joined(ReadOperatorBefore(word, rest, kClauses).value);
        for (std::string_view more = NextWord(rest); !more.empty(); more = NextWord(rest)) {
            joined += more;
        }
        m_setNames.clear();
        std::string_view names(joined);
        while (!names.empty()) {
            const std::size_t comma = names.find(',');
            const std::string_view name = names.substr(0, comma);
            if (!name.empty()) m_setNames.emplace_back(name);
            if (comma == std::string_view::npos) break;
            names.remove_prefix(comma + 1);
        }
        return Accept();
    }
    return Reject(kParseNotThisStatement);
}

int CNATFilterInterfaceData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.emplace_back("FILTER_INTERFACE ");
    std::string label;
    switch (m_dwInterfaceKind) {
        case kFilterInterfaceLine:
            label = "LINE = ";
            break;
        case kFilterInterfaceIPAddress:
            label = "IP_ADDRESS = ";
            break;
        case kFilterInterfacePPPFilterId:
            label = "PPP_FILTER_ID = ";
            break;
        default:
            label = "INTERFACE = ";
            break;
    }
    clauses.push_back(label + m_strName + " ");
    clauses.push_back("SET = " + JoinList(m_setNames));
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
