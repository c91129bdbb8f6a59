#include "server/sqlite_db.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "server/file_calls.h"
#include "server/messages.h"

namespace ptp::server {

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_failed(other.m_failed) {
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this == &other) return *this;
    if (m_stmt) sqlite3_finalize(m_stmt);
    m_db = other.m_db;
    m_stmt = other.m_stmt;
    m_failed = other.m_failed;
    other.m_stmt = nullptr;
    return *this;
}

Statement::~Statement() {
    if (m_stmt) sqlite3_finalize(m_stmt);
}

Statement& Statement::Bind(int index, std::string_view text) {
    sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::Bind(int index, std::int64_t value) {
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes) {
    sqlite3_bind_blob(m_stmt, index, bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

bool Statement::Step() {
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) m_failed = true;
    return false;
}

Status Statement::Run() {
    Step();
    if (m_failed) return LastError();
    return Status::Ok();
}

void Statement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_failed = false;
}

Error Statement::LastError() const {
    return Message("CPF9899", {sqlite3_errmsg(m_db)});
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::Text(int column) const {
    return std::string(TextView(column));
}

std::string_view Statement::TextView(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (!text) return {};
    return std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

Result<std::unique_ptr<Database>> Database::Open(const std::string& path) {
    sqlite3* handle = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &handle,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             FileCallsDatabaseLayer());
    if (rc != SQLITE_OK) {
        Error error = Message("CPF9899", {handle ? sqlite3_errmsg(handle) : "cannot open"});
        sqlite3_close(handle);
        return error;
    }
    std::unique_ptr<Database> db(new Database(handle));
    sqlite3_busy_timeout(handle, 10000);
    if (auto st = db->Exec("PRAGMA journal_mode=WAL"); !st) return st.error();
    if (auto st = db->Exec("PRAGMA synchronous=NORMAL"); !st) return st.error();
    if (auto st = db->Exec("PRAGMA foreign_keys=ON"); !st) return st.error();
    return db;
}

Database::~Database() {
    sqlite3_close(m_db);
}

Status Database::Exec(std::string_view sql) {
    std::string text(sql);
    char* message = nullptr;
    int rc = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK) return Status::Ok();
    Error error = Message("CPF9899", {message ? message : sqlite3_errstr(rc)});
    sqlite3_free(message);
    return error;
}

Result<Statement> Database::Prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) return LastError("prepare");
    return Statement(m_db, stmt);
}

std::int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int Database::Changes() const {
    return sqlite3_changes(m_db);
}

Error Database::LastError(std::string_view what) const {
    std::string text = std::string(what) + ": " + sqlite3_errmsg(m_db);
    return Message("CPF9899", {text});
}

WriteTransaction::~WriteTransaction() {
    if (m_open) (void)m_db.Exec("ROLLBACK");
}

Status WriteTransaction::Begin() {
    // The busy handler does not cover every lock upgrade; a short retry loop makes concurrent
    // writers of several processes queue up instead of failing.
    for (int attempt = 0;; ++attempt) {
        Status st = m_db.Exec("BEGIN IMMEDIATE");
        if (st.ok()) {
            m_open = true;
            return st;
        }
        int code = sqlite3_errcode(m_db.Handle());
        if ((code != SQLITE_BUSY && code != SQLITE_LOCKED) || attempt > 200) return st;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

Status WriteTransaction::Commit() {
    Status st = m_db.Exec("COMMIT");
    if (st.ok()) m_open = false;
    return st;
}

}  // namespace ptp::server
