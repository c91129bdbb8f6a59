#pragma once
// A thin owner of one SQLite connection and its prepared statements. Every failure turns into an
// Error carrying SQLite's own text, so callers can pass it up as a server message.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "server/result.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ptp::server {

class Statement {
  public:
    Statement() = default;
    Statement(sqlite3* db, sqlite3_stmt* stmt) : m_db(db), m_stmt(stmt) {}
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, std::int64_t value);
    Statement& BindBlob(int index, std::string_view bytes);
    // True while a row is available; false at the end or on failure (see Failed()).
    bool Step();
    // Runs a statement that returns no rows.
    Status Run();
    void Reset();
    bool Failed() const { return m_failed; }
    Error LastError() const;

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    std::string_view TextView(int column) const;
    bool IsNull(int column) const;

  private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_failed = false;
};

class Database {
  public:
    // Opens (and creates) the file in WAL mode with a busy timeout, so several connections of
    // several processes can share it.
    static Result<std::unique_ptr<Database>> Open(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Status Exec(std::string_view sql);
    Result<Statement> Prepare(std::string_view sql);
    std::int64_t LastInsertId() const;
    int Changes() const;
    Error LastError(std::string_view what) const;
    sqlite3* Handle() const { return m_db; }

  private:
    explicit Database(sqlite3* db) : m_db(db) {}
    sqlite3* m_db = nullptr;
};

// A write transaction taken at once (BEGIN IMMEDIATE), so two writers wait for each other instead
// of failing half-way. Rolled back unless committed.
class WriteTransaction {
  public:
    explicit WriteTransaction(Database& db) : m_db(db) {}
    ~WriteTransaction();
    Status Begin();
    Status Commit();

  private:
    Database& m_db;
    bool m_open = false;
};

}  // namespace ptp::server
