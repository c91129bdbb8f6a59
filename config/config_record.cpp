#include "config/config_record.h"

#include "config/config_text.h"

namespace ptp::config {

CConfigRecord::CConfigRecord(const ConfigRecordType& type)
    : m_pType(&type), m_values(type.keys.size()) {
    FillDefaults(true);
}

void CConfigRecord::FillDefaults(bool forNewObject) {
    for (std::size_t i = 0; i < m_pType->keys.size(); ++i) {
        const ConfigKey& key = m_pType->keys[i];
        m_values[i].assign(forNewObject ? key.newValue : key.absentValue);
    }
}

bool CConfigRecord::ParseLine(std::string_view line) {
    FillDefaults(false);
    m_bDescriptionContinues = false;
    std::string_view rest = line;
    for (std::string_view token = NextWord(rest); !token.empty(); token = NextWord(rest)) {
        std::size_t index = 0;
        while (index < m_pType->keys.size() &&
               token.find(m_pType->keys[index].match) == std::string_view::npos) {
            ++index;
        }
        if (index < m_pType->keys.size()) {
            const std::size_t equal = token.find('=');
            m_values[index].assign(equal == std::string_view::npos ? token
                                                                   : token.substr(equal + 1));
            if (static_cast<int>(index) == m_pType->descriptionIndex) {
                m_bDescriptionContinues = true;
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
    m_bModified = true;
}

void CConfigRecord::SetInt(std::size_t index, int value) {
    SetText(index, IntToText(value));
}

}  // namespace ptp::config
