#include "server/command_log.h"

#include <chrono>
#include <ctime>

#include "server/sqlite_db.h"

namespace ptp::server {
namespace {

std::string UtcNow() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

}  // namespace

Status AppendCommandLog(Database& db, std::string_view client, std::string_view command,
                        std::string_view reply) {
    auto stmt =
        db.Prepare("INSERT INTO command_log(at, client, command, reply) VALUES(?1, ?2, ?3, ?4)");
    if (!stmt) return stmt.error();
    stmt->Bind(1, UtcNow()).Bind(2, client).Bind(3, command).Bind(4, reply);
    return stmt->Run();
}

Result<std::vector<CommandLogEntry>> ReadCommandLog(Database& db, std::size_t tail) {
    auto stmt = db.Prepare(
        "SELECT seq, at, client, command, reply FROM ("
        "  SELECT * FROM command_log ORDER BY seq DESC LIMIT ?1"
        ") ORDER BY seq");
    if (!stmt) return stmt.error();
    stmt->Bind(1, tail == 0 ? std::int64_t{-1} : static_cast<std::int64_t>(tail));
    std::vector<CommandLogEntry> entries;
    while (stmt->Step()) {
        entries.push_back(CommandLogEntry{stmt->Int(0), stmt->Text(1), stmt->Text(2), stmt->Text(3),
                                          stmt->Text(4)});
    }
    if (stmt->Failed()) return stmt->LastError();
    return entries;
}

}  // namespace ptp::server
