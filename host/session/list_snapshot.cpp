#include "host/session/list_snapshot.h"

#include <algorithm>

namespace ptp::host {

std::uint32_t ListSnapshot::Append(std::string_view text) {
    auto offset = static_cast<std::uint32_t>(m_text.size());
    m_text.append(text);
    return offset;
}

void ListSnapshot::BeginRecord(std::string_view name) {
    Record record{};
    record.nameOffset = Append(name);
    record.nameLength = static_cast<std::uint32_t>(name.size());
    record.firstEntry = static_cast<std::uint32_t>(m_entries.size());
    m_records.push_back(record);
}

void ListSnapshot::AddValue(int id, std::string_view value) {
    m_entries.push_back(Entry{id, Append(value), static_cast<std::uint32_t>(value.size())});
    ++m_records.back().entryCount;
}

void ListSnapshot::Add(std::string_view name, const Attributes& attributes) {
    BeginRecord(name);
    for (const auto& [id, value] : attributes)
        AddValue(id, value);
}

std::string_view ListSnapshot::Name(std::size_t record) const {
    const Record& r = m_records[record];
    return std::string_view(m_text).substr(r.nameOffset, r.nameLength);
}

std::optional<std::string_view> ListSnapshot::Find(std::size_t record, int id) const {
    const Record& r = m_records[record];
    auto first = m_entries.begin() + r.firstEntry;
    auto last = first + r.entryCount;
    auto it = std::lower_bound(first, last, id,
                               [](const Entry& entry, int wanted) { return entry.id < wanted; });
    if (it == last || it->id != id) return std::nullopt;
    return std::string_view(m_text).substr(it->offset, it->length);
}

Attributes ListSnapshot::AttributesOf(std::size_t record) const {
    Attributes out;
    const Record& r = m_records[record];
    for (std::uint32_t i = 0; i < r.entryCount; ++i) {
        const Entry& entry = m_entries[r.firstEntry + i];
        out.emplace_hint(out.end(), entry.id, m_text.substr(entry.offset, entry.length));
    }
    return out;
}

}  // namespace ptp::host
