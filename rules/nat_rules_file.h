#pragma once
// One packet rules file of a server as an ordered list of statements: read from the server's
// stream file system (or from the rules last activated), edited, and written back.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/nat_data.h"
#include "rules/nat_rules_reader.h"

namespace ptp::host {
class IServerObject;
}

namespace ptp::rules {

inline constexpr std::string_view kPPPFiltersPath =
    "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";
inline constexpr std::string_view kVPNPolicyFiltersPath =
    "/QKTL/UserData/NOS50/TCPIP/ADMIXRULES/VPNPOLICYFILTERS.I3P";

// Results of Load and SaveAs besides the server file results (5: the file is in use).
inline constexpr int kRulesResultOk = 0;
inline constexpr int kRulesResultNoActiveRules = 3;
inline constexpr int kRulesResultCannotOpen = 2;

class CNATRulesFile {
  public:
    CNATRulesFile(std::string_view systemName, std::string_view path, bool activeRules,
                  int rulesLevel);
    ~CNATRulesFile();
    CNATRulesFile(const CNATRulesFile&) = delete;
    CNATRulesFile& operator=(const CNATRulesFile&) = delete;

    // 0 when read; otherwise the open result (5 when the file is in use and not opened anyway),
    // or 3 when the active rules cannot be obtained. With `askWhenInUse` a file in use is opened
    // anyway when the user agrees.
    int Load(bool askWhenInUse);
    int LoadAskingWhenInUse() { return Load(true); }
    // Writes to the file's own path when modified; 0 when written or unchanged.
    int Save();
    // Writes every statement to `path`, which becomes the file's path. 0 when written.
    int SaveAs(std::string_view path);

    [[nodiscard]] int IsModified();
    void SetModified(int modified);

    [[nodiscard]] std::size_t GetCount() const { return m_statements.size(); }
    [[nodiscard]] CNATData* GetAt(std::size_t index) const;
    CNATData* GetFirst();
    CNATData* GetNext();
    void Add(std::unique_ptr<CNATData> statement);
    // Unlinks `statement` when it is in the list; deletes it in any case.
    void Remove(CNATData* statement);
    [[nodiscard]] const std::vector<std::unique_ptr<CNATData>>& GetStatements() const {
        return m_statements;
    }

    // Makes the VPN policy filters file include the PPP filters file (rules level 3 and up).
    void EnsurePPPFiltersIncluded();

    // Checks of the file by the server; each returns the server's result, or 3 when the check
    // could not be made.
    int VerifyRulesFile(std::uint32_t callerValue);
    int VerifySyntax(std::uint32_t callerValue);
    int VerifyIncludes(std::uint32_t callerValue);
    [[nodiscard]] int GetVerifyResultCount() const { return m_nVerifyResultCount; }
    // The findings of the last check, as the server words them.
    [[nodiscard]] const std::vector<std::string>& GetVerifyFindings() const {
        return m_verifyFindings;
    }

    [[nodiscard]] const std::string& GetPath() const { return m_strPath; }
    [[nodiscard]] const std::string& GetServerPath() const { return m_strServerPath; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] int GetRulesLevel() const { return m_nRulesLevel; }
    [[nodiscard]] bool IsActiveRules() const { return m_bActiveRules; }
    [[nodiscard]] int IsEndOfFile() const { return m_nEndOfFile; }
    // The statements the last load dropped because they did not parse.
    [[nodiscard]] const std::vector<DroppedStatement>& GetDropped() const { return m_dropped; }

  private:
    void SetPath(std::string_view path);
    int LoadActiveRules(CNATRulesReader& reader);
    int LoadFile(bool askWhenInUse, CNATRulesReader& reader);
    int Verify(int operation, std::uint32_t callerValue);

    std::string m_strPath;
    int m_nModified = 0;
    std::string m_strSystemName;
    std::string m_strServerPath;
    std::string m_strActiveRulesArgument;
    std::vector<std::unique_ptr<CNATData>> m_statements;
    std::size_t m_nCursor = 0;
    bool m_bActiveRules = false;
    int m_nVerifyResultCount = 0;
    std::vector<std::string> m_verifyFindings;
    int m_nRulesLevel = 0;
    int m_nEndOfFile = 0;
    int m_nActiveLineIndex = 0;
    int m_nActiveLineCount = 0;
    std::vector<DroppedStatement> m_dropped;
};

// The identifiers the TCP/IP settings pages offer from a loaded PPP filters file: the value of
// each filter-interface statement, the address hidden behind of each hide statement, and the line
// or PPP filter identifier of each map statement; without duplicates, upper case, in file order.
[[nodiscard]] std::vector<std::string> CollectFilterIdentifiers(const CNATRulesFile& file);

}  // namespace ptp::rules
