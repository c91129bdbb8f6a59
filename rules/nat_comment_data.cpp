#include "rules/nat_comment_data.h"

#include "config/config_text.h"

namespace ptp::rules {

CNATCommentData::CNATCommentData() : CNATData(kNATComment) {}

CNATCommentData::CNATCommentData(std::string_view text, bool& failed) : CNATCommentData() {
    failed = Parse(text) != kParseOk;
}

std::unique_ptr<CNATData> CNATCommentData::Clone() const {
    return std::make_unique<CNATCommentData>(*this);
}

int CNATCommentData::Parse(std::string_view text) {
    // A comment always parses; a word before its "#" is a line label.
    const std::size_t hash = text.find('#');
    if (hash == std::string_view::npos) {
        m_strDescription.assign(config::TrimRight(text));
        return Accept();
    }
    const std::string_view label = config::Trim(text.substr(0, hash));
    if (!label.empty()) m_strLineLabel.assign(label);
    // Trailing blanks are layout, not text: the writer adds its own.
    m_strDescription.assign(config::TrimRight(text.substr(hash + 1)));
    return Accept();
}

int CNATCommentData::ToText(std::vector<std::string>& clauses) const {
    clauses.clear();
    clauses.push_back("#" + GetDescription());
    return static_cast<int>(clauses.size());
}

}  // namespace ptp::rules
