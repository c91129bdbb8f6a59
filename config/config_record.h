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

struct ConfigKey {
    std::string_view key;          // written form, with its equal sign: "GROUPPOLICY="
    std::string_view match;        // text a token must contain to be this key
    std::string_view newValue;     // a record made for a new object
    std::string_view absentValue;  // a parsed line that does not carry the key
};

// Whether no key's match text ends with another's (nor equals it): then a token's text before
// and at its equal sign can end with at most one of them.
constexpr bool NoMatchEndsAnother(std::span<const ConfigKey> keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = 0; j < keys.size(); ++j) {
            if (i != j && keys[i].match.ends_with(keys[j].match)) return false;
        }
    }
    return true;
}

struct ConfigRecordType {
    constexpr ConfigRecordType(std::span<const ConfigKey> keyTable, int description = -1,
                               bool endInEqualSign = true)
        : keys(keyTable),
          descriptionIndex(description),
          keysEndInEqualSign(endInEqualSign),
          matchesUnambiguous(NoMatchEndsAnother(keyTable)) {}

    std::span<const ConfigKey> keys;
    // The free-text key that takes the rest of the line, or -1.
    int descriptionIndex = -1;
    // Every key's match text ends in "=" (all types but the one that matches bare names).
    bool keysEndInEqualSign = true;
    // See NoMatchEndsAnother.
    bool matchesUnambiguous = false;
};

class CConfigRecord {
  public:
    virtual ~CConfigRecord() = default;
    // The values live in the derived record; a copy would share them.
    CConfigRecord(const CConfigRecord&) = delete;
    CConfigRecord& operator=(const CConfigRecord&) = delete;

    // Replaces every field with the parse defaults and reads `line`. False when a token names no
    // key before the description key; the record is then half-built and must be discarded.
    [[nodiscard]] bool ParseLine(std::string_view line);
    // The record's line: every key in writer order, each followed by its value and one blank.
    [[nodiscard]] std::string ToLine() const;
    void AppendLine(std::string& out) const;

    [[nodiscard]] bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }

  protected:
    // `values` has one string per key of `type` and belongs to the derived record.
    CConfigRecord(const ConfigRecordType& type, std::span<std::string> values);

    [[nodiscard]] const std::string& Text(std::size_t index) const { return m_values[index]; }
    [[nodiscard]] int Int(std::size_t index) const;
    void SetText(std::size_t index, std::string_view value);
    void SetInt(std::size_t index, int value);

  private:
    void FillDefaults(bool forNewObject);
    void FillParseDefaults();
    // The first key in writer order whose match text the token contains; the key count for none.
    // `equal` is the position of the token's first equal sign (npos for none); `expected` is the
    // key tried first, the one after the last found, as lines usually keep the writer's order.
    [[nodiscard]] std::size_t FindKey(std::string_view token, std::size_t equal, bool severalEquals,
                                      std::size_t expected) const;

    const ConfigRecordType* m_pType;
    std::span<std::string> m_values;
    bool m_bModified = false;
    bool m_bDescriptionContinues = false;
    bool m_bHoldsNewDefaults = false;
};

// The values of a record type with `N` keys. A record keeps them inside itself, sized to its
// type: a file holds many records, and each one's values are reached on every read and write.
template <std::size_t N>
class CConfigValueStore {
  protected:
    std::array<std::string, N> m_configValues;
};

// The base of a record type with `N` keys. The value store comes first among the bases, so it is
// built before CConfigRecord fills it with the defaults.
template <std::size_t N>
class CSizedConfigRecord : private CConfigValueStore<N>, public CConfigRecord {
  public:
    static constexpr std::size_t kKeyCount = N;

  protected:
    explicit CSizedConfigRecord(const ConfigRecordType& type)
        : CConfigRecord(type, this->m_configValues) {}
};

}  // namespace ptp::config
