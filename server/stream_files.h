#pragma once
// The system's stream file system: a real folder on disk that behaves as the server's does.
//
// - Paths are the server's ("/QKTL/UserData/ppp.cfg" or "\QKTL\USERDATA\ppp.cfg"): '/' and '\'
//   both separate, names compare without regard to case and keep the case they were created
//   with, and ".." never leaves the system's folder.
// - Every file carries a coded character set. 13488 files are kept as UTF-16 (big-endian);
//   the others as the workstation's text (UTF-8). Read and Write always speak UTF-8.
// - A write replaces the file atomically: a crash leaves the old or the new file, never a torn
//   one.
// - A client that opens a file for writing claims it; until it releases the claim the file is in
//   use for every other client, in this process or another (a claim of a process that died is
//   void).
// - Every read gives the version of the content it read; a write that names the version its
//   writer read replaces the file only while the file is still at that version, so two clients
//   that edit one file at once cannot silently undo each other's work.
// - Listing by pattern covers folders and the library file system views
//   ("\QSYS.LIB\<lib>.LIB\<file>.FILE\*.*" lists members, "\QSYS.LIB\*.AUTL" authorization lists),
//   which are answered from the system's objects.
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "host/session/server_session.h"
#include "server/result.h"

namespace ptp::server {

class Database;

inline constexpr int kCcsidUtf16 = 13488;
using host::kCcsidText;

using host::kNoFileVersion;

struct FileText {
    std::string text;  // UTF-8
    int ccsid = kCcsidText;
    std::string version;  // of the content read
};

class StreamFiles {
  public:
    // Removes the temporary files of writers that died before finishing (see Write).
    StreamFiles(std::filesystem::path root, Database& db, std::recursive_mutex& mutex);

    // The real location of a server path: existing names matched without regard to case, the
    // rest as given. CPFA0DA for paths that try to leave the root.
    Result<std::filesystem::path> Resolve(std::string_view serverPath) const;
    bool Exists(std::string_view serverPath) const;

    // CPFA0A9 when missing.
    Result<FileText> Read(std::string_view serverPath);
    // Creates missing folders; replaces the file atomically and tags it with `ccsid`.
    Status Write(std::string_view serverPath, std::string_view utf8, int ccsid);
    // Writes as Write does, but only while the file is at `expectedVersion` (kNoFileVersion:
    // while there is no file); CPFA09F when it has changed since. Gives the written version.
    Result<std::string> WriteIfUnchanged(std::string_view serverPath, std::string_view utf8,
                                         int ccsid, std::string_view expectedVersion);
    // The version of the file's content now; kNoFileVersion when there is none.
    Result<std::string> Version(std::string_view serverPath);
    // The file's tag; kCcsidText for untagged files. CPFA0A9 when missing.
    Result<int> Ccsid(std::string_view serverPath);
    Status Remove(std::string_view serverPath);
    Status MakeFolder(std::string_view serverPath);

    // Claims the file for writing by `client`. CPF3202 when another live client holds it.
    Status Claim(std::string_view serverPath, std::string_view client);
    void Release(std::string_view serverPath, std::string_view client);
    // True when a live client other than `client` holds the file.
    bool InUse(std::string_view serverPath, std::string_view client);

    // Names (not paths) matching the last element of `pattern` in the folder it names, in name
    // order; for the library views, the member or list names with their type suffix.
    Result<std::vector<std::string>> List(std::string_view pattern);

    const std::filesystem::path& Root() const { return m_root; }

    // The key a file is known by, whatever case a caller spells it in: "/QKTL/USERDATA/PPP.CFG".
    static std::string Key(std::string_view serverPath);

  private:
    void RemoveAbandonedTemporaryFiles();
    // Write's work, on the bytes as they are stored.
    Status WriteBytes(std::string_view serverPath, std::string_view bytes, int ccsid);
    Status TagAndReplace(const std::filesystem::path& path, std::string_view serverPath,
                         std::string_view bytes, int ccsid);
    Result<std::string> ReadBytes(std::string_view serverPath);
    Result<std::vector<std::string>> ListLibrary(const std::vector<std::string>& parts);

    std::filesystem::path m_root;
    Database& m_db;
    std::recursive_mutex& m_mutex;
};

// Splits a server path into its names, dropping empty ones and ".".
std::vector<std::string> SplitServerPath(std::string_view serverPath);

}  // namespace ptp::server
