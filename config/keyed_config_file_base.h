#pragma once
// The part of a keyed configuration file that does not depend on its record type: the path, the
// flags, and reading and writing lines through the host's server-file service.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace ptp::host {
class IServerFile;
}

namespace ptp::config {

// Results of Load and Save.
inline constexpr int kFileResultOk = 0;
inline constexpr int kFileResultCannotOpen = 2;
// Save only: another client wrote the file after this object read it; nothing was written.
inline constexpr int kFileResultChangedSince = 3;

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
    // 0 when written or when nothing changed, 2 when the file could not be opened for writing
    // or the server could not write it (nothing is written and every modified flag stays set, so
    // a later Save tries again; the user is told, except of a file in use, which the caller
    // explains), 3 when another client wrote the file after this object loaded it: nothing is
    // written, so their work is not undone unseen; Reload and change again to build on it.
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
    void CloseOpenFile();

    int m_nModified = 0;
    int m_nEndOfFile = 0;
    std::string m_strPath;
    std::string m_strSystemName;
    std::string m_strServerPath;
    std::uint32_t m_dwCallerValue = 0;
    // The version of the file as the last Load found it or the last Save left it; empty when
    // unknown (a Save then writes whatever is there).
    std::string m_strVersion;
    std::unique_ptr<host::IServerFile> m_pFile;
    std::mutex m_lock;
};

}  // namespace ptp::config
