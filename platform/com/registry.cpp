#include "platform/com/registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace ptp {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Key names compare without regard to case, as the console expects of its registry.
struct CaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Lower(x) < Lower(y); });
    }
};

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

using Values = std::map<std::string, std::string>;
using Keys = std::map<std::string, Values, CaseLess>;

struct KeyHandle {
    std::string path;
    REGSAM access = 0;
};

std::mutex g_mutex;
std::set<const KeyHandle*> g_handles;
std::string g_directory;

constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT";
constexpr std::string_view kCurrentUser = "HKEY_CURRENT_USER";

bool Allows(REGSAM granted, REGSAM wanted) {
    return (granted & MAXIMUM_ALLOWED) != 0 || (granted & wanted) == wanted;
}

// The path and access of an open handle or a predefined root.
bool Resolve(HKEY key, KeyHandle& out) {
    if (key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER) {
        out.path = key == HKEY_CLASSES_ROOT ? kClassesRoot : kCurrentUser;
        out.access = MAXIMUM_ALLOWED;
        return true;
    }
    std::lock_guard lock(g_mutex);
    const auto* handle = reinterpret_cast<const KeyHandle*>(key);
    if (!g_handles.contains(handle)) return false;
    out = *handle;
    return true;
}

bool IsRoot(std::string_view path) {
    return SameText(path, kClassesRoot) || SameText(path, kCurrentUser);
}

// Joins a subkey path to its parent; empty components ("a\\\\b") are refused.
bool JoinPath(const std::string& parent, std::string_view subKey, std::string& out) {
    while (!subKey.empty() && subKey.front() == '\\')
        subKey.remove_prefix(1);
    while (!subKey.empty() && subKey.back() == '\\')
        subKey.remove_suffix(1);
    if (subKey.find("\\\\") != std::string_view::npos) return false;
    out = subKey.empty() ? parent : parent + "\\" + std::string(subKey);
    return true;
}

HKEY NewHandle(std::string path, REGSAM access) {
    auto* handle = new KeyHandle{std::move(path), access};
    std::lock_guard lock(g_mutex);
    g_handles.insert(handle);
    return reinterpret_cast<HKEY>(handle);
}

// Holds the registry's lock file for the life of one operation, so that two processes never
// interleave a read-modify-write.
class FileLock {
  public:
    FileLock(const fs::path& directory, bool exclusive) {
        m_fd = ::open((directory / "registry.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd < 0) return;
        if (::flock(m_fd, exclusive ? LOCK_EX : LOCK_SH) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    [[nodiscard]] bool Held() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

LSTATUS ReadKeys(const fs::path& file, Keys& keys) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return ec ? ERROR_READ_FAULT : ERROR_SUCCESS;
    std::ifstream in(file, std::ios::binary);
    if (!in) return ERROR_READ_FAULT;
    std::stringstream text;
    text << in.rdbuf();
    const Json json = Json::parse(text.str(), nullptr, false);
    if (json.is_discarded() || !json.is_object()) return ERROR_READ_FAULT;
    const auto it = json.find("keys");
    if (it == json.end() || !it->is_object()) return ERROR_READ_FAULT;
    for (const auto& [path, values] : it->items()) {
        if (!values.is_object()) return ERROR_READ_FAULT;
        Values& target = keys[path];
        for (const auto& [name, value] : values.items()) {
            if (!value.is_string()) return ERROR_READ_FAULT;
            target[name] = value.get<std::string>();
        }
    }
    return ERROR_SUCCESS;
}

// Writes beside the file and renames over it, so a reader sees the old or the new file whole.
LSTATUS WriteKeys(const fs::path& file, const Keys& keys) {
    Json root = Json::object();
    Json& out = root["keys"] = Json::object();
    for (const auto& [path, values] : keys)
        out[path] = values;
    const fs::path temp = file.string() + "." + std::to_string(::getpid()) + ".tmp";
    const std::string text = root.dump(2) + "\n";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return ERROR_WRITE_FAULT;
    const bool written =
        ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
        ::fsync(fd) == 0;
    ::close(fd);
    if (!written || std::rename(temp.c_str(), file.c_str()) != 0) {
        std::error_code ec;
        fs::remove(temp, ec);
        return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

bool KeyExists(const Keys& keys, const std::string& path) {
    return IsRoot(path) || keys.contains(path);
}

// What the registry file is: a writer always renames a whole new file in, so a different
// file shows as a different device, inode, size or time.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
    std::int64_t changed = 0;
    bool operator==(const FileStamp&) const = default;
};

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// False when the file is not there (or cannot be looked at).
bool StampOf(const fs::path& file, FileStamp& stamp) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return false;
    stamp = {info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim),
             Nanoseconds(info.st_ctim)};
    return true;
}

std::int64_t NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

// The keys last read, and the file they were read from. Every key lookup reads the registry, and
// a component is looked up several times each time it is made, so a file seen unchanged is not
// read again. File times are coarse and inodes are reused: a file written within a second of
// being read could look the same as the next one, so only a file already a second old when it
// was read is trusted by its stamp (as a version control index treats racily clean entries).
struct ReadCache {
    std::string file;
    FileStamp stamp;
    bool trusted = false;
    std::shared_ptr<const Keys> keys;
};
ReadCache g_cache;
constexpr std::int64_t kSettledNanoseconds = 1'000'000'000;

std::shared_ptr<const Keys> CachedKeys(const std::string& file, const FileStamp& stamp) {
    std::lock_guard lock(g_mutex);
    const bool same = g_cache.trusted && g_cache.file == file && g_cache.stamp == stamp;
    return same ? g_cache.keys : nullptr;
}

void KeepKeys(const std::string& file, const FileStamp& stamp, std::int64_t readAt,
              std::shared_ptr<const Keys> keys) {
    std::lock_guard lock(g_mutex);
    g_cache = {file, stamp, readAt - stamp.modified > kSettledNanoseconds, std::move(keys)};
}

// Runs `change` on the registry's keys under the exclusive lock and writes the result when it
// reports success and changed something.
template <typename Change>
LSTATUS Modify(Change&& change) {
    const fs::path directory = RegistryDirectory();
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec) return ERROR_WRITE_FAULT;
    FileLock lock(directory, true);
    if (!lock.Held()) return ERROR_WRITE_FAULT;
    Keys keys;
    const fs::path file = RegistryFilePath();
    if (const LSTATUS status = ReadKeys(file, keys); status != ERROR_SUCCESS) return status;
    bool changed = false;
    if (const LSTATUS status = change(keys, changed); status != ERROR_SUCCESS) return status;
    return changed ? WriteKeys(file, keys) : ERROR_SUCCESS;
}

LSTATUS Snapshot(std::shared_ptr<const Keys>& keys) {
    static const auto kNoKeys = std::make_shared<const Keys>();
    const fs::path file = RegistryFilePath();
    keys = kNoKeys;
    std::error_code ec;
    if (!fs::exists(file, ec)) return ec ? ERROR_READ_FAULT : ERROR_SUCCESS;
    FileStamp stamp;
    if (StampOf(file, stamp)) {
        if (auto cached = CachedKeys(file.string(), stamp)) {
            keys = std::move(cached);
            return ERROR_SUCCESS;
        }
    }
    FileLock lock(RegistryDirectory(), false);
    if (!lock.Held()) return ERROR_READ_FAULT;
    // Under the lock no writer renames a new file in: the stamp taken now belongs to what is read.
    const std::int64_t readAt = NowNanoseconds();
    const bool stamped = StampOf(file, stamp);
    auto read = std::make_shared<Keys>();
    if (const LSTATUS status = ReadKeys(file, *read); status != ERROR_SUCCESS) return status;
    keys = read;
    if (stamped) KeepKeys(file.string(), stamp, readAt, keys);
    return ERROR_SUCCESS;
}

// Resolves a handle that must allow `wanted` and reads the keys it is read against.
LSTATUS ReadThrough(HKEY key, REGSAM wanted, KeyHandle& handle, std::shared_ptr<const Keys>& keys) {
    if (!Resolve(key, handle)) return ERROR_INVALID_HANDLE;
    if (!Allows(handle.access, wanted)) return ERROR_ACCESS_DENIED;
    return Snapshot(keys);
}

}  // namespace

void SetRegistryDirectory(std::string directory) {
    std::lock_guard lock(g_mutex);
    g_directory = std::move(directory);
}

std::string RegistryDirectory() {
    {
        std::lock_guard lock(g_mutex);
        if (!g_directory.empty()) return g_directory;
    }
    if (const char* env = std::getenv("PTP_REGISTRY_DIR"); env && *env) return env;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        return (fs::path(config) / "ptpconsole").string();
    }
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : "/tmp") / ".config" / "ptpconsole").string();
}

std::string RegistryFilePath() {
    return (fs::path(RegistryDirectory()) / "registry.json").string();
}

std::size_t OpenRegistryKeyCount() {
    std::lock_guard lock(g_mutex);
    return g_handles.size();
}

LSTATUS RegOpenKeyEx(HKEY parent, std::string_view subKey, DWORD /*options*/, REGSAM access,
                     HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    KeyHandle base;
    if (!Resolve(parent, base)) return ERROR_INVALID_HANDLE;
    std::string path;
    if (!JoinPath(base.path, subKey, path)) return ERROR_INVALID_PARAMETER;
    std::shared_ptr<const Keys> keys;
    if (const LSTATUS status = Snapshot(keys); status != ERROR_SUCCESS) return status;
    if (!KeyExists(*keys, path)) return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(std::move(path), access);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyEx(HKEY parent, std::string_view subKey, REGSAM access, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    KeyHandle base;
    if (!Resolve(parent, base)) return ERROR_INVALID_HANDLE;
    std::string path;
    if (!JoinPath(base.path, subKey, path)) return ERROR_INVALID_PARAMETER;
    const LSTATUS status = Modify([&](Keys& keys, bool& changed) -> LSTATUS {
        if (KeyExists(keys, path)) return ERROR_SUCCESS;
        if (!Allows(base.access, KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
        // Every key between the parent and the new key exists afterwards too.
        for (std::size_t pos = base.path.size(); pos != std::string::npos;
             pos = path.find('\\', pos + 1)) {
            if (pos > base.path.size()) keys.try_emplace(path.substr(0, pos));
        }
        keys.try_emplace(path);
        changed = true;
        return ERROR_SUCCESS;
    });
    if (status != ERROR_SUCCESS) return status;
    *result = NewHandle(std::move(path), access);
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueEx(HKEY key, std::string_view name, std::string_view value) {
    KeyHandle handle;
    if (!Resolve(key, handle)) return ERROR_INVALID_HANDLE;
    if (!Allows(handle.access, KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    return Modify([&](Keys& keys, bool& changed) -> LSTATUS {
        if (IsRoot(handle.path)) return ERROR_ACCESS_DENIED;
        const auto it = keys.find(handle.path);
        if (it == keys.end()) return ERROR_FILE_NOT_FOUND;
        // Registering again what is registered already (every start does) writes nothing.
        const auto found = it->second.find(std::string(name));
        if (found != it->second.end() && found->second == value) return ERROR_SUCCESS;
        it->second[std::string(name)] = std::string(value);
        changed = true;
        return ERROR_SUCCESS;
    });
}

LSTATUS RegQueryValueEx(HKEY key, std::string_view name, std::string* value) {
    if (!value) return ERROR_INVALID_PARAMETER;
    KeyHandle handle;
    std::shared_ptr<const Keys> keys;
    if (const LSTATUS status = ReadThrough(key, KEY_QUERY_VALUE, handle, keys);
        status != ERROR_SUCCESS) {
        return status;
    }
    const auto it = keys->find(handle.path);
    if (it == keys->end()) return ERROR_FILE_NOT_FOUND;
    const auto found = it->second.find(std::string(name));
    if (found == it->second.end()) return ERROR_FILE_NOT_FOUND;
    *value = found->second;
    return ERROR_SUCCESS;
}

LSTATUS RegEnumKey(HKEY key, DWORD index, std::string* name) {
    if (!name) return ERROR_INVALID_PARAMETER;
    KeyHandle handle;
    std::shared_ptr<const Keys> keys;
    if (const LSTATUS status = ReadThrough(key, KEY_ENUMERATE_SUB_KEYS, handle, keys);
        status != ERROR_SUCCESS) {
        return status;
    }
    if (!KeyExists(*keys, handle.path)) return ERROR_FILE_NOT_FOUND;
    const std::string prefix = handle.path + "\\";
    DWORD seen = 0;
    for (const auto& [path, values] : *keys) {
        if (path.size() <= prefix.size() ||
            !SameText(std::string_view(path).substr(0, prefix.size()), prefix)) {
            continue;
        }
        const std::string rest = path.substr(prefix.size());
        if (rest.find('\\') != std::string::npos) continue;
        if (seen++ == index) {
            *name = rest;
            return ERROR_SUCCESS;
        }
    }
    return ERROR_NO_MORE_ITEMS;
}

LSTATUS RegDeleteTree(HKEY key, std::string_view subKey) {
    KeyHandle handle;
    if (!Resolve(key, handle)) return ERROR_INVALID_HANDLE;
    if (!Allows(handle.access, KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    std::string path;
    if (!JoinPath(handle.path, subKey, path)) return ERROR_INVALID_PARAMETER;
    if (IsRoot(path)) return ERROR_ACCESS_DENIED;
    return Modify([&](Keys& keys, bool& changed) -> LSTATUS {
        if (!keys.contains(path)) return ERROR_FILE_NOT_FOUND;
        const std::string prefix = path + "\\";
        std::erase_if(keys, [&](const auto& entry) {
            const std::string& p = entry.first;
            return SameText(p, path) ||
                   (p.size() > prefix.size() &&
                    SameText(std::string_view(p).substr(0, prefix.size()), prefix));
        });
        changed = true;
        return ERROR_SUCCESS;
    });
}

LSTATUS RegCloseKey(HKEY key) {
    if (key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
    const auto* handle = reinterpret_cast<const KeyHandle*>(key);
    {
        std::lock_guard lock(g_mutex);
        if (g_handles.erase(handle) == 0) return ERROR_INVALID_HANDLE;
    }
    delete handle;
    return ERROR_SUCCESS;
}

}  // namespace ptp
