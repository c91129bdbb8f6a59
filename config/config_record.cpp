#include "config/config_record.h"

#include "config/config_text.h"

namespace ptp::config {

CConfigRecord::CConfigRecord(const ConfigRecordType& type, std::span<std::string> values)
    : m_pType(&type), m_values(values) {
    FillDefaults(true);
}

void CConfigRecord::FillDefaults(bool forNewObject) {
    for (std::size_t i = 0; i < m_pType->keys.size(); ++i) {
        const ConfigKey& key = m_pType->keys[i];
        m_values[i].assign(forNewObject ? key.newValue : key.absentValue);
    }
    m_bHoldsNewDefaults = forNewObject;
}

void CConfigRecord::FillParseDefaults() {
    // A record fresh from its constructor only needs the keys whose two defaults differ.
    const bool fresh = m_bHoldsNewDefaults;
    for (std::size_t i = 0; i < m_pType->keys.size(); ++i) {
        const ConfigKey& key = m_pType->keys[i];
        if (!fresh || key.absentValue != key.newValue) m_values[i].assign(key.absentValue);
    }
    m_bHoldsNewDefaults = false;
}

namespace {

// Whether `head` ends with `match`, with the first character tried inline: nearly every key a
// token is tried against differs there.
bool HeadEndsWith(std::string_view head, std::string_view match) {
    if (head.size() < match.size() || match.empty()) return match.empty();
    if (head[head.size() - match.size()] != match.front()) return false;
    return EndsWith(head, match);
}

}  // namespace

std::size_t CConfigRecord::FindKey(std::string_view token, std::size_t equal, bool severalEquals,
                                   std::size_t expected) const {
    const std::span<const ConfigKey> keys = m_pType->keys;
    if (m_pType->keysEndInEqualSign) {
        // A token without an equal sign contains no key (every key text ends in one): the words
        // of a description.
        if (equal == std::string_view::npos) return keys.size();
        // A token with a single equal sign can only contain keys that end at that sign, which a
        // comparison finds without searching the token for each key.
        if (!severalEquals) {
            const std::string_view head = token.substr(0, equal + 1);
            // When no match text ends another, the expected key written exactly is the only one.
            if (m_pType->matchesUnambiguous && expected < keys.size() &&
                head == keys[expected].match)
                return expected;
            std::size_t index = 0;
            while (index < keys.size() && !HeadEndsWith(head, keys[index].match))
                ++index;
            return index;
        }
    }
    std::size_t index = 0;
    while (index < keys.size() && token.find(keys[index].match) == std::string_view::npos) {
        ++index;
    }
    return index;
}

bool CConfigRecord::ParseLine(std::string_view line) {
    FillParseDefaults();
    m_bDescriptionContinues = false;
    std::string_view rest = line;
    std::size_t expected = 0;
    for (std::string_view token = NextWord(rest); !token.empty(); token = NextWord(rest)) {
        const std::size_t equal = token.find('=');
        const bool severalEquals =
            equal != std::string_view::npos && token.find('=', equal + 1) != std::string_view::npos;
        const std::size_t index = FindKey(token, equal, severalEquals, expected);
        if (index < m_pType->keys.size()) {
            expected = index + 1;
            m_values[index].assign(equal == std::string_view::npos ? token
                                                                   : token.substr(equal + 1));
            if (static_cast<int>(index) == m_pType->descriptionIndex) {
                m_bDescriptionContinues = true;
                // The words after it usually join it: room for all of them at once.
                m_values[index].reserve(m_values[index].size() + rest.size() + 1);
            }
            continue;
        }
        if (!m_bDescriptionContinues) return false;
        std::string& description = m_values[static_cast<std::size_t>(m_pType->descriptionIndex)];
        description += ' ';
        description += token;
    }
    return true;
}

void CConfigRecord::AppendLine(std::string& out) const {
    for (std::size_t i = 0; i < m_pType->keys.size(); ++i) {
        out += m_pType->keys[i].key;
        out += m_values[i];
        out += ' ';
    }
}

std::string CConfigRecord::ToLine() const {
    std::string line;
    AppendLine(line);
    return line;
}

int CConfigRecord::Int(std::size_t index) const {
    return TextToInt(m_values[index]);
}

void CConfigRecord::SetText(std::size_t index, std::string_view value) {
    m_values[index].assign(value);
    m_bHoldsNewDefaults = false;
    m_bModified = true;
}

void CConfigRecord::SetInt(std::size_t index, int value) {
    SetText(index, IntToText(value));
}

}  // namespace ptp::config
