#pragma once
// One record of a keyed configuration file: a line of KEY=value tokens. Every record type is a
// table of keys in writer order with the value a new record starts with and the value kept when a
// line lacks the key; this base parses and writes lines from that table.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace ptp::config {

// The most keys a record type has; the values live inside the record, not in a separate block.
inline constexpr std::size_t kMaxConfigKeys = 19;

struct ConfigKey {
    std::string_view key;          // written form, with its equal sign: "GROUPPOLICY="
    std::string_view match;        // text a token must contain to be this key
    std::string_view newValue;     // a record made for a new object
    std::string_view absentValue;  // a parsed line that does not carry the key
};

struct ConfigRecordType {
    std::span<const ConfigKey> keys;
    // The free-text key that takes the rest of the line, or -1.
    int descriptionIndex = -1;
    // Every key's match text ends in "=" (all types but the one that matches bare names).
    bool keysEndInEqualSign = true;
};

class CConfigRecord {
  public:
    explicit CConfigRecord(const ConfigRecordType& type);
    virtual ~CConfigRecord() = default;
    CConfigRecord(const CConfigRecord&) = default;
    CConfigRecord& operator=(const CConfigRecord&) = default;

    // Replaces every field with the parse defaults and reads `line`. False when a token names no
    // key before the description key; the record is then half-built and must be discarded.
    [[nodiscard]] bool ParseLine(std::string_view line);
    // The record's line: every key in writer order, each followed by its value and one blank.
    [[nodiscard]] std::string ToLine() const;
    void AppendLine(std::string& out) const;

    [[nodiscard]] bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }

  protected:
    [[nodiscard]] const std::string& Text(std::size_t index) const { return m_values[index]; }
    [[nodiscard]] int Int(std::size_t index) const;
    void SetText(std::size_t index, std::string_view value);
    void SetInt(std::size_t index, int value);

  private:
    void FillDefaults(bool forNewObject);
    void FillParseDefaults();
    // The first key in writer order whose match text the token contains; the key count for none.
    [[nodiscard]] std::size_t FindKey(std::string_view token) const;

    const ConfigRecordType* m_pType;
    std::array<std::string, kMaxConfigKeys> m_values;
    bool m_bModified = false;
    bool m_bDescriptionContinues = false;
    bool m_bHoldsNewDefaults = false;
};

}  // namespace ptp::config
