#pragma once
// The part of a keyed configuration file that does not depend on its record type: the path, the
// flags, and reading and writing lines through the host's server-file service.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "config/server_file_version.h"

namespace ptp::host {
class IServerFile;
}

namespace ptp::config {

// Results of Load and Save.
inline constexpr int kFileResultOk = 0;
inline constexpr int kFileResultCannotOpen = 2;

class CKeyedConfigFileBase {
  public:
    CKeyedConfigFileBase(std::string_view systemName, std::string_view path,
                         std::uint32_t callerValue);
    virtual ~CKeyedConfigFileBase();
    CKeyedConfigFileBase(const CKeyedConfigFileBase&) = delete;
    CKeyedConfigFileBase& operator=(const CKeyedConfigFileBase&) = delete;

    void SetFileName(std::string_view path);
    [[nodiscard]] const std::string& GetFileName() const { return m_strPath; }
    [[nodiscard]] const std::string& GetServerPath() const { return m_strServerPath; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] std::uint32_t GetCallerValue() const { return m_dwCallerValue; }

    // 0 when read, 2 when the server file could not be opened (the records stay as they were).
    int Load();
    // Closes any open server file, drops every record, then loads.
    int Reload();
    // 0 when written or when nothing changed, 2 when the file could not be opened for writing,
    // when another user saved it after this object loaded it (their save is kept), or when the
    // server could not write it. Then nothing is written, every modified flag stays set so a
    // later Save tries again, and the user is told, except for a file in use, which the caller
    // explains.
    int Save();

    [[nodiscard]] int IsModified();
    void SetModified(int modified);
    [[nodiscard]] int IsEndOfFile() const { return m_nEndOfFile; }

  protected:
    // Called with each non-empty, trimmed line read.
    virtual void AppendLine(std::string_view line) = 0;
    virtual bool AnyRecordModified() const = 0;
    virtual void ClearRecordFlags() = 0;
    virtual void DeleteAllRecords() = 0;
    // Writes every record with WriteText, in list order.
    virtual void WriteRecords() = 0;

    // The line writer: each piece of `text` between line feeds is written as one line, under the
    // file's lock. Stops at the first piece that fails; false then.
    bool WriteText(std::string_view text);
    void MarkModified() { m_nModified = 1; }

  private:
    void CloseServerFile();

    int m_nModified = 0;
    int m_nEndOfFile = 0;
    std::string m_strPath;
    std::string m_strSystemName;
    std::string m_strServerPath;
    std::uint32_t m_dwCallerValue = 0;
    std::unique_ptr<host::IServerFile> m_pFile;
    std::mutex m_lock;
    CServerFileVersion m_Version;
    std::vector<std::string> m_WrittenLines;
};

}  // namespace ptp::config
