#include "server/system.h"

#include <cctype>

#include "server/messages.h"
#include "server/ppp_jobs.h"
#include "server/sqlite_db.h"
#include "server/startup_repairs.h"
#include "server/stream_files.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSchema = R"sql(
CREATE TABLE IF NOT EXISTS info(key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS users(name TEXT PRIMARY KEY, authority INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS objects(
  id INTEGER PRIMARY KEY,
  kind TEXT NOT NULL,
  name TEXT NOT NULL,
  UNIQUE(kind, name));
CREATE TABLE IF NOT EXISTS attributes(
  object_id INTEGER NOT NULL REFERENCES objects(id) ON DELETE CASCADE,
  attr INTEGER NOT NULL,
  value TEXT NOT NULL,
  PRIMARY KEY(object_id, attr)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS command_log(
  seq INTEGER PRIMARY KEY,
  at TEXT NOT NULL,
  client TEXT NOT NULL,
  command TEXT NOT NULL,
  reply TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS object_log(
  seq INTEGER PRIMARY KEY,
  at TEXT NOT NULL,
  client TEXT NOT NULL,
  action TEXT NOT NULL,
  kind TEXT NOT NULL,
  name TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS object_log_values(
  seq INTEGER NOT NULL REFERENCES object_log(seq) ON DELETE CASCADE,
  attr INTEGER NOT NULL,
  value TEXT NOT NULL,
  PRIMARY KEY(seq, attr)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS file_tags(path TEXT PRIMARY KEY, ccsid INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS file_locks(path TEXT PRIMARY KEY, client TEXT NOT NULL,
                                      pid INTEGER NOT NULL);
)sql";

bool IsRelease(std::string_view release) {
    if (release.size() != 6) return false;
    for (char c : release) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

}  // namespace

Result<std::unique_ptr<System>> System::Open(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return Message("CPF2105", {folder.string(), "*SYSTEM"});
    std::unique_ptr<System> system(new System());
    system->m_folder = folder;
    system->m_name = folder.filename().string();
    auto db = Database::Open((folder / "system.db").string());
    if (!db) return db.error();
    system->m_db = std::move(*db);
    if (auto st = system->Migrate(); !st) return st.error();
    fs::create_directories(folder / "ifs", ec);
    system->m_files = std::make_unique<StreamFiles>(folder / "ifs", *system->m_db, system->m_mutex);
    system->m_jobs = std::make_unique<PppJobs>(*system->m_db, system->m_mutex);
    // A repair that cannot be made now is tried again at the next open; the system is usable
    // without it.
    (void)RepairLinesWithoutModem(*system->m_db);
    return system;
}

System::~System() = default;

Status System::Migrate() {
    WriteTransaction tx(*m_db);
    if (auto st = tx.Begin(); !st) return st;
    if (auto st = m_db->Exec(kSchema); !st) return st;
    return tx.Commit();
}

std::string System::Release() {
    std::lock_guard lock(m_mutex);
    ObjectTx tx(*m_db);
    auto release = tx.GetInfo("release", kDefaultRelease);
    return release ? *release : std::string(kDefaultRelease);
}

Status System::SetRelease(std::string_view release) {
    if (!IsRelease(release)) return Message("CPD0074", {release, "RELEASE"});
    return Transact([&](ObjectTx& tx) { return tx.SetInfo("release", release); });
}

std::string System::DefaultUser() {
    std::lock_guard lock(m_mutex);
    ObjectTx tx(*m_db);
    auto user = tx.GetInfo("user", "QSECOFR");
    return user ? *user : std::string("QSECOFR");
}

Status System::SetUser(std::string_view user, bool configurationAuthority) {
    std::string name = UpperAscii(user);
    if (name.empty() || name.size() > 10) return Message("CPD0074", {user, "USRPRF"});
    return Transact([&](ObjectTx& tx) -> Status {
        auto stmt = m_db->Prepare(
            "INSERT INTO users(name, authority) VALUES(?1, ?2) "
            "ON CONFLICT(name) DO UPDATE SET authority=excluded.authority");
        if (!stmt) return stmt.error();
        stmt->Bind(1, name).Bind(2, std::int64_t{configurationAuthority ? 1 : 0});
        if (auto st = stmt->Run(); !st) return st;
        auto current = tx.GetInfo("user");
        if (current && current->empty()) return tx.SetInfo("user", name);
        return Status::Ok();
    });
}

bool System::HasConfigurationAuthority(std::string_view user) {
    std::lock_guard lock(m_mutex);
    auto stmt = m_db->Prepare("SELECT authority FROM users WHERE name=?1");
    if (!stmt) return false;
    stmt->Bind(1, UpperAscii(user));
    return stmt->Step() && stmt->Int(0) != 0;
}

std::vector<UserRecord> System::Users() {
    std::lock_guard lock(m_mutex);
    std::vector<UserRecord> users;
    auto stmt = m_db->Prepare("SELECT name, authority FROM users ORDER BY name");
    if (!stmt) return users;
    while (stmt->Step())
        users.push_back(UserRecord{stmt->Text(0), stmt->Int(1) != 0});
    return users;
}

Status System::Transact(const std::function<Status(ObjectTx&)>& body) {
    std::lock_guard lock(m_mutex);
    WriteTransaction tx(*m_db);
    if (auto st = tx.Begin(); !st) return st;
    ObjectTx objects(*m_db);
    if (auto st = body(objects); !st) return st;
    return tx.Commit();
}

Status System::Read(const std::function<Status(ObjectTx&)>& body) {
    std::lock_guard lock(m_mutex);
    if (auto st = m_db->Exec("BEGIN"); !st) return st;
    ObjectTx objects(*m_db);
    Status result = body(objects);
    (void)m_db->Exec("COMMIT");
    return result;
}

Result<ObjectRecord> System::GetObject(std::string_view kind, std::string_view name) {
    std::lock_guard lock(m_mutex);
    ObjectTx tx(*m_db);
    return tx.Get(kind, name);
}

Status System::PutObject(std::string_view kind, std::string_view name,
                         const Attributes& attributes) {
    return Transact([&](ObjectTx& tx) { return tx.Put(kind, name, attributes); });
}

Status System::DeleteObject(std::string_view kind, std::string_view name) {
    return Transact([&](ObjectTx& tx) { return tx.Delete(kind, name); });
}

Result<std::vector<ObjectRecord>> System::ListObjects(std::string_view kind,
                                                      const ListFilter& filter) {
    std::lock_guard lock(m_mutex);
    ObjectTx tx(*m_db);
    return tx.List(kind, filter);
}

Result<std::vector<std::pair<std::string, std::string>>> System::ListValues(std::string_view kind,
                                                                            int attributeId) {
    std::lock_guard lock(m_mutex);
    ObjectTx tx(*m_db);
    return tx.Values(kind, attributeId);
}

Status System::LogCommand(std::string_view client, std::string_view command,
                          std::string_view reply) {
    std::lock_guard lock(m_mutex);
    return AppendCommandLog(*m_db, client, command, reply);
}

Result<std::vector<CommandLogEntry>> System::ReadCommandLog(std::size_t tail) {
    std::lock_guard lock(m_mutex);
    return server::ReadCommandLog(*m_db, tail);
}

Result<std::vector<ObjectLogEntry>> System::ReadObjectLog(std::int64_t afterSequence) {
    std::lock_guard lock(m_mutex);
    return server::ReadObjectLog(*m_db, afterSequence);
}

}  // namespace ptp::server
