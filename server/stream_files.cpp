#include "server/stream_files.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/vocabulary/kinds.h"
#include "server/file_calls.h"
#include "server/messages.h"
#include "server/object_tx.h"
#include "server/sqlite_db.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace fs = std::filesystem;

namespace {

std::string JoinServerPath(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& part : parts)
        out += "/" + part;
    return out.empty() ? "/" : out;
}

bool ProcessAlive(std::int64_t pid) {
    if (pid <= 0) return false;
    if (pid == getpid()) return true;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

Error NotSaved(const fs::path& target, int error) {
    return Message("TCP8A31", {target.filename().string(), std::strerror(error)});
}

// Writes `bytes` next to `target` and renames it over the target, so readers see the old file
// or the new one, never a part.
Status ReplaceAtomically(const fs::path& target, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    fs::path temp = target;
    temp += ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return NotSaved(target, errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = WriteThroughFileCalls(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(temp.c_str());
            return NotSaved(target, error);
        }
        written += static_cast<std::size_t>(n);
    }
    const int synced = SyncThroughFileCalls(fd) == 0 ? 0 : errno;
    ::close(fd);
    const int renamed =
        synced != 0 || RenameThroughFileCalls(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
    if (synced != 0 || renamed != 0) {
        ::unlink(temp.c_str());
        return NotSaved(target, synced != 0 ? synced : renamed);
    }
    // The new file is in place; a folder that cannot be synced only makes the rename less
    // durable, not undone.
    int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return Status::Ok();
}

bool IsTempName(const std::string& name) {
    return name.find(".tmp.") != std::string::npos;
}

// The version of stored bytes: their length and a 64-bit FNV-1a hash, so that any change of
// content gives another version and equal content the same one.
std::string VersionOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%zu-%016llx", bytes.size(),
                  static_cast<unsigned long long>(hash));
    return text;
}

std::string StoredBytes(std::string_view utf8, int ccsid) {
    return ccsid == kCcsidUtf16 ? Utf8ToUtf16Be(utf8) : std::string(utf8);
}

}  // namespace

std::vector<std::string> SplitServerPath(std::string_view serverPath) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : serverPath) {
        if (c == '/' || c == '\\') {
            if (!current.empty() && current != ".") parts.push_back(current);
            current.clear();
            continue;
        }
        current.push_back(c);
    }
    if (!current.empty() && current != ".") parts.push_back(current);
    return parts;
}

StreamFiles::StreamFiles(fs::path root, Database& db, std::recursive_mutex& mutex)
    : m_root(std::move(root)), m_db(db), m_mutex(mutex) {
    RemoveAbandonedTemporaryFiles();
}

// A writer killed between writing its temporary file and renaming it leaves the temporary file
// behind ("<name>.tmp.<pid>.<n>"); one whose process is gone is of no use to anyone.
void StreamFiles::RemoveAbandonedTemporaryFiles() {
    std::error_code ec;
    if (!fs::is_directory(m_root, ec)) return;
    std::vector<fs::path> abandoned;
    for (auto it = fs::recursive_directory_iterator(m_root, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto mark = name.find(".tmp.");
        if (mark == std::string::npos) continue;
        const std::int64_t pid = std::atoll(name.c_str() + mark + 5);
        if (!ProcessAlive(pid)) abandoned.push_back(it->path());
    }
    for (const auto& path : abandoned)
        fs::remove(path, ec);
}

std::string StreamFiles::Key(std::string_view serverPath) {
    return UpperAscii(JoinServerPath(SplitServerPath(serverPath)));
}

Result<fs::path> StreamFiles::Resolve(std::string_view serverPath) const {
    fs::path current = m_root;
    bool existing = true;
    for (const auto& part : SplitServerPath(serverPath)) {
        if (part == ".." || part.find('\0') != std::string::npos)
            return Message("CPFA0DA", {serverPath});
        std::string actual = part;
        std::error_code ec;
        if (existing && fs::is_directory(current, ec)) {
            bool found = false;
            for (const auto& entry : fs::directory_iterator(current, ec)) {
                std::string name = entry.path().filename().string();
                if (EqualsNoCase(name, part)) {
                    actual = name;
                    found = true;
                    break;
                }
            }
            existing = found;
        } else {
            existing = false;
        }
        current /= actual;
    }
    return current;
}

bool StreamFiles::Exists(std::string_view serverPath) const {
    auto path = Resolve(serverPath);
    std::error_code ec;
    return path && fs::is_regular_file(*path, ec);
}

Result<std::string> StreamFiles::ReadBytes(std::string_view serverPath) {
    auto path = Resolve(serverPath);
    if (!path) return path.error();
    std::error_code ec;
    if (!fs::is_regular_file(*path, ec)) return Message("CPFA0A9", {serverPath});
    std::ifstream in(*path, std::ios::binary);
    if (!in) return Message("CPFA0A1", {serverPath});
    std::string bytes(static_cast<std::size_t>(fs::file_size(*path, ec)), '\0');
    if (ec || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return Message("CPFA0A1", {serverPath});
    return bytes;
}

Result<FileText> StreamFiles::Read(std::string_view serverPath) {
    auto bytes = ReadBytes(serverPath);
    if (!bytes) return bytes.error();
    auto ccsid = Ccsid(serverPath);
    if (!ccsid) return ccsid.error();
    std::string version = VersionOf(*bytes);
    if (*ccsid == kCcsidUtf16) return FileText{Utf16ToUtf8(*bytes), *ccsid, std::move(version)};
    return FileText{std::move(*bytes), *ccsid, std::move(version)};
}

Result<std::string> StreamFiles::Version(std::string_view serverPath) {
    std::lock_guard lock(m_mutex);
    if (!Exists(serverPath)) return std::string(kNoFileVersion);
    auto bytes = ReadBytes(serverPath);
    if (!bytes) return bytes.error();
    return VersionOf(*bytes);
}

Status StreamFiles::Write(std::string_view serverPath, std::string_view utf8, int ccsid) {
    return WriteBytes(serverPath, StoredBytes(utf8, ccsid), ccsid);
}

Result<std::string> StreamFiles::WriteIfUnchanged(std::string_view serverPath,
                                                  std::string_view utf8, int ccsid,
                                                  std::string_view expectedVersion) {
    std::lock_guard lock(m_mutex);
    if (!expectedVersion.empty()) {
        auto now = Version(serverPath);
        if (!now) return now.error();
        if (*now != expectedVersion) return Message("CPFA09F", {serverPath});
    }
    const std::string bytes = StoredBytes(utf8, ccsid);
    if (auto st = WriteBytes(serverPath, bytes, ccsid); !st) return st.error();
    return VersionOf(bytes);
}

Status StreamFiles::WriteBytes(std::string_view serverPath, std::string_view bytes, int ccsid) {
    std::lock_guard lock(m_mutex);
    auto path = Resolve(serverPath);
    if (!path) return path.error();
    if (SplitServerPath(serverPath).empty()) return Message("CPFA0DA", {serverPath});
    std::error_code ec;
    if (fs::is_directory(*path, ec)) return Message("CPFA0DA", {serverPath});
    fs::create_directories(path->parent_path(), ec);
    if (ec) return Message("CPFA0A1", {serverPath});
    // The tag and the bytes change together: a save that cannot replace the file leaves the old
    // tag as well, so the old file still reads as it did. A savepoint nests in the transaction of
    // a command that writes a file.
    if (auto st = m_db.Exec("SAVEPOINT file_write"); !st) return st;
    Status written = TagAndReplace(*path, serverPath, bytes, ccsid);
    if (!written) (void)m_db.Exec("ROLLBACK TO file_write");
    Status released = m_db.Exec("RELEASE file_write");
    if (!written) return written;
    return released;
}

Status StreamFiles::TagAndReplace(const fs::path& path, std::string_view serverPath,
                                  std::string_view bytes, int ccsid) {
    auto tag = m_db.Prepare(
        "INSERT INTO file_tags(path, ccsid) VALUES(?1, ?2) "
        "ON CONFLICT(path) DO UPDATE SET ccsid=excluded.ccsid");
    if (!tag) return tag.error();
    tag->Bind(1, Key(serverPath)).Bind(2, static_cast<std::int64_t>(ccsid));
    if (auto st = tag->Run(); !st) return st;
    return ReplaceAtomically(path, bytes);
}

Result<int> StreamFiles::Ccsid(std::string_view serverPath) {
    std::lock_guard lock(m_mutex);
    auto stmt = m_db.Prepare("SELECT ccsid FROM file_tags WHERE path=?1");
    if (!stmt) return stmt.error();
    stmt->Bind(1, Key(serverPath));
    if (stmt->Step()) return static_cast<int>(stmt->Int(0));
    if (stmt->Failed()) return stmt->LastError();
    return kCcsidText;
}

Status StreamFiles::Remove(std::string_view serverPath) {
    std::lock_guard lock(m_mutex);
    auto path = Resolve(serverPath);
    if (!path) return path.error();
    std::error_code ec;
    if (!fs::is_regular_file(*path, ec)) return Message("CPFA0A9", {serverPath});
    if (!fs::remove(*path, ec)) return Message("CPFA0A1", {serverPath});
    auto stmt = m_db.Prepare("DELETE FROM file_tags WHERE path=?1");
    if (!stmt) return stmt.error();
    stmt->Bind(1, Key(serverPath));
    return stmt->Run();
}

Status StreamFiles::MakeFolder(std::string_view serverPath) {
    auto path = Resolve(serverPath);
    if (!path) return path.error();
    std::error_code ec;
    fs::create_directories(*path, ec);
    if (ec) return Message("CPFA0A1", {serverPath});
    return Status::Ok();
}

Status StreamFiles::Claim(std::string_view serverPath, std::string_view client) {
    std::lock_guard lock(m_mutex);
    WriteTransaction tx(m_db);
    if (auto st = tx.Begin(); !st) return st;
    std::string key = Key(serverPath);
    auto holder = m_db.Prepare("SELECT client, pid FROM file_locks WHERE path=?1");
    if (!holder) return holder.error();
    holder->Bind(1, key);
    if (holder->Step() && holder->Text(0) != client && ProcessAlive(holder->Int(1)))
        return Message("CPF3202", {serverPath});
    auto claim = m_db.Prepare(
        "INSERT INTO file_locks(path, client, pid) VALUES(?1, ?2, ?3) "
        "ON CONFLICT(path) DO UPDATE SET client=excluded.client, pid=excluded.pid");
    if (!claim) return claim.error();
    claim->Bind(1, key).Bind(2, client).Bind(3, static_cast<std::int64_t>(getpid()));
    if (auto st = claim->Run(); !st) return st;
    return tx.Commit();
}

// A claim that stays behind keeps the file in use for everybody else as long as this process
// lives, so a release the disk refused once is tried again.
void StreamFiles::Release(std::string_view serverPath, std::string_view client) {
    constexpr int kAttempts = 3;
    std::lock_guard lock(m_mutex);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        auto stmt = m_db.Prepare("DELETE FROM file_locks WHERE path=?1 AND client=?2");
        if (!stmt) continue;
        stmt->Bind(1, Key(serverPath)).Bind(2, client);
        if (stmt->Run()) return;
    }
}

bool StreamFiles::InUse(std::string_view serverPath, std::string_view client) {
    std::lock_guard lock(m_mutex);
    auto stmt = m_db.Prepare("SELECT client, pid FROM file_locks WHERE path=?1");
    if (!stmt) return false;
    stmt->Bind(1, Key(serverPath));
    if (!stmt->Step()) return false;
    return stmt->Text(0) != client && ProcessAlive(stmt->Int(1));
}

Result<std::vector<std::string>> StreamFiles::List(std::string_view pattern) {
    std::vector<std::string> parts = SplitServerPath(pattern);
    if (!parts.empty() && EqualsNoCase(parts.front(), "QSYS.LIB")) return ListLibrary(parts);
    std::string last = parts.empty() ? "*" : parts.back();
    if (!parts.empty()) parts.pop_back();
    auto folder = Resolve(JoinServerPath(parts));
    if (!folder) return folder.error();
    std::vector<std::string> names;
    std::error_code ec;
    if (!fs::is_directory(*folder, ec)) return names;
    bool all = last == "*" || last == "*.*";
    for (const auto& entry : fs::directory_iterator(*folder, ec)) {
        std::string name = entry.path().filename().string();
        if (IsTempName(name)) continue;
        if (all || WildcardMatch(last, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

Result<std::vector<std::string>> StreamFiles::ListLibrary(const std::vector<std::string>& parts) {
    // "\QSYS.LIB\*.AUTL": authorization lists.
    std::lock_guard lock(m_mutex);
    ObjectTx objects(m_db);
    std::vector<std::string> names;
    auto suffixOf = [](const std::string& part, std::string_view suffix) {
        if (part.size() <= suffix.size()) return std::string();
        if (!EqualsNoCase(std::string_view(part).substr(part.size() - suffix.size()), suffix))
            return std::string();
        return UpperAscii(std::string_view(part).substr(0, part.size() - suffix.size()));
    };
    if (parts.size() == 2) {
        std::string stem = suffixOf(parts[1], ".AUTL");
        if (stem.empty()) return names;
        auto lists = objects.List(kinds::kAuthorizationList);
        if (!lists) return lists.error();
        for (const auto& list : *lists) {
            if (WildcardMatch(stem, list.name)) names.push_back(list.name + ".AUTL");
        }
        return names;
    }
    // "\QSYS.LIB\<lib>.LIB\<file>.FILE\<pattern>": members of a database file.
    if (parts.size() != 4) return names;
    std::string library = suffixOf(parts[1], ".LIB");
    std::string file = suffixOf(parts[2], ".FILE");
    if (library.empty() || file.empty()) return names;
    ListFilter filter;
    filter.namePrefix = library + "/" + file + "/";
    auto members = objects.List(kinds::kFileMember, filter);
    if (!members) return members.error();
    std::string last = parts[3];
    bool all = last == "*" || last == "*.*";
    for (const auto& member : *members) {
        std::string name = member.name.substr(filter.namePrefix.size()) + ".MBR";
        if (all || WildcardMatch(last, name)) names.push_back(name);
    }
    return names;
}

}  // namespace ptp::server
