#pragma once
// A list's objects as read at one moment, packed into three blocks (all text, all attribute
// entries, one span per object) so that opening a list of thousands of objects costs a handful of
// allocations, not one per attribute. Attribute entries of an object are in ascending id order.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ptp::host {

// An object's attributes by number, each a text (integers as decimal text).
using Attributes = std::map<int, std::string>;

class ListSnapshot {
  public:
    // Adds an object; its values follow with AddValue in ascending id order.
    void BeginRecord(std::string_view name);
    void AddValue(int id, std::string_view value);
    void Add(std::string_view name, const Attributes& attributes);

    std::size_t Size() const { return m_records.size(); }
    std::string_view Name(std::size_t record) const;
    // The attribute's text, or nothing when the object does not have it.
    std::optional<std::string_view> Find(std::size_t record, int id) const;
    Attributes AttributesOf(std::size_t record) const;

  private:
    struct Entry {
        int id;
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Record {
        std::uint32_t nameOffset;
        std::uint32_t nameLength;
        std::uint32_t firstEntry;
        std::uint32_t entryCount;
    };
    std::uint32_t Append(std::string_view text);

    std::string m_text;
    std::vector<Entry> m_entries;
    std::vector<Record> m_records;
};

}  // namespace ptp::host
