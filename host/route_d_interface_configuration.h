#pragma once
// The route daemon's interface configuration of a system (QUSRSYS/QATOCRTDC): one record per
// interface with its RIP version and supply mode. Read whole, changed record by record, and
// written back with CommitFile, which applies the deletions and additions in that order.
#include <string>
#include <string_view>
#include <vector>

#include "host/sof_error.h"

namespace ptp::host {

class CRouteDInterfaceConfiguration {
  public:
    explicit CRouteDInterfaceConfiguration(std::string_view systemName);

    // Reads every record; null when read, else an error object the caller shows and destroys.
    [[nodiscard]] SOFError* ReadFile();

    [[nodiscard]] int GetCount() const { return static_cast<int>(m_records.size()); }
    [[nodiscard]] bool IsValidIndex(int index) const;
    [[nodiscard]] std::string GetInterfaceName(int index) const;
    [[nodiscard]] std::string GetRipVersion(int index) const;
    [[nodiscard]] std::string GetSupplyMode(int index) const;

    void DeleteRecord(int index);
    // A new, empty record; its index.
    int AddRecord();
    void SetInterfaceName(int index, std::string_view name);
    void ClearRipVersion(int index);
    void SetRipVersion(int index, std::string_view version);
    void SetSupplyMode(int index, std::string_view mode);

    // Writes the pending changes. Null when written; else an error object (the caller shows and
    // destroys it) and its text in `strError`. Changes not written stay pending.
    [[nodiscard]] SOFError* CommitFile(std::string& strError);

  private:
    struct Record {
        std::string strInterfaceName;
        std::string strRipVersion;
        std::string strSupplyMode;
        std::string strStoredName;  // the name the server keeps it under; empty for a new one
        bool bChanged = false;
    };

    std::string m_strSystemName;
    std::vector<Record> m_records;
    std::vector<std::string> m_deleted;  // stored names of deleted records
};

}  // namespace ptp::host
