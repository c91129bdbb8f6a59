#include "rules/nat_include_data.h"

#include "config/config_text.h"
#include "rules/nat_words.h"

namespace ptp::rules {

using config::NextWord;
using config::StartsWith;

CNATIncludeData::CNATIncludeData() : CNATData(kNATInclude) {}

CNATIncludeData::CNATIncludeData(std::string_view file) : CNATData(kNATInclude), m_strFile(file) {
    m_strName = m_strFile;
}

CNATIncludeData::CNATIncludeData(std::string_view text, bool& failed) : CNATIncludeData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATIncludeData::Clone() const {
    return std::make_unique<CNATIncludeData>(*this);
}

void CNATIncludeData::SetFile(std::string_view file) {
    m_strFile.assign(file);
    m_strName.assign(file);
    m_bModified = true;
}

int CNATIncludeData::Parse(std::string_view text) {
    std::string_view rest = text;
    if (!ReadKeyword(rest, "INCLUDE", m_strLineLabel)) return Reject(kParseNotThisStatement);
    bool fileRead = false;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        if (StartsWith(word, "FILE")) {
            m_strFile.assign(ReadOperator(word, rest).value);
            m_strName = m_strFile;
            fileRead = true;
        } else if (StartsWith(word, "MEMBER")) {
            // Members of database files are not rules files this system edits.
            return Reject(kParseUnsupported);
        }
    }
    return fileRead ? Accept() : Reject(kParseNotThisStatement);
}

int CNATIncludeData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.emplace_back("INCLUDE ");
    clauses.push_back("FILE = " + m_strFile);
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
