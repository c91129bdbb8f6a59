#pragma once
// One statement of a packet rules file. Each statement kind parses its own text and renders itself
// back as a list of clauses; the rules file joins the clauses and wraps them into lines.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ptp::rules {

// Type codes of the statement kinds.
inline constexpr std::uint32_t kNATFilterInterface = 32284;
inline constexpr std::uint32_t kNATFilter = 32285;
inline constexpr std::uint32_t kNATDefineAddress = 32287;
inline constexpr std::uint32_t kNATMapAddress = 32288;
inline constexpr std::uint32_t kNATInclude = 32289;
inline constexpr std::uint32_t kNATComment = 32290;
inline constexpr std::uint32_t kNATHideAddress = 32291;
inline constexpr std::uint32_t kNATIcmpService = 32313;
inline constexpr std::uint32_t kNATServiceAlias = 32314;

// Results of Parse.
inline constexpr int kParseOk = 0;
inline constexpr int kParseNotThisStatement = 1;
inline constexpr int kParseUnsupported = 2;

class CNATData {
  public:
    explicit CNATData(std::uint32_t typeCode) : m_dwType(typeCode) {}
    virtual ~CNATData() = default;

    // 0 when `text` is a statement of this kind, 1 when it is not, 2 for a recognised form that is
    // not supported. On failure the number becomes -1.
    virtual int Parse(std::string_view text) = 0;
    // Fills `clauses` with the statement's text clauses and returns their count.
    virtual int ToText(std::vector<std::string>& clauses) const = 0;
    [[nodiscard]] virtual std::unique_ptr<CNATData> Clone() const = 0;

    // The clauses, each followed by three blanks.
    [[nodiscard]] std::string GetFullText() const;

    [[nodiscard]] std::uint32_t GetType() const { return m_dwType; }
    [[nodiscard]] int GetNumber() const { return m_nNumber; }
    void SetNumber(int number) { m_nNumber = number; }
    [[nodiscard]] bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }
    // Carriage returns and line feeds read as blanks, so a description never spans lines.
    [[nodiscard]] std::string GetDescription() const;
    void SetDescription(std::string_view description);
    [[nodiscard]] const std::string& GetName() const { return m_strName; }
    void SetName(std::string_view name);
    [[nodiscard]] const std::string& GetLineLabel() const { return m_strLineLabel; }
    void SetLineLabel(std::string_view label);

  protected:
    CNATData(const CNATData&) = default;
    CNATData& operator=(const CNATData&) = default;

    void SetField(std::string& field, std::string_view value) {
        field.assign(value);
        m_bModified = true;
    }
    // Marks a failed parse and hands back its result.
    int Reject(int result);
    // Marks a successful parse: a statement just read is unchanged.
    int Accept();

    int m_nNumber = 0;
    bool m_bModified = false;
    std::uint32_t m_dwType;
    std::string m_strDescription;
    std::string m_strName;
    std::string m_strLineLabel = "0";
};

// Creates the statement that a rules file keyword starts (case ignored), or null for a keyword
// that starts none.
[[nodiscard]] std::unique_ptr<CNATData> CreateNATStatement(std::string_view keyword,
                                                           int rulesLevel);

// The well-known service names a service clause may name, in the order the pages offer them.
void GetWellKnownServices(std::vector<std::string>& services);

}  // namespace ptp::rules
