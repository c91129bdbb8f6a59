#include "server/command_log.h"

#include <chrono>
#include <ctime>

#include "server/secret_attributes.h"
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

Status AppendObjectLog(Database& db, std::string_view client, std::string_view action,
                       std::string_view kind, std::string_view name, const Attributes& attributes) {
    auto entry = db.Prepare(
        "INSERT INTO object_log(at, client, action, kind, name) VALUES(?1, ?2, ?3, ?4, ?5)");
    if (!entry) return entry.error();
    entry->Bind(1, UtcNow()).Bind(2, client).Bind(3, action).Bind(4, kind).Bind(5, name);
    if (auto st = entry->Run(); !st) return st;
    const std::int64_t sequence = db.LastInsertId();
    auto value = db.Prepare("INSERT INTO object_log_values(seq, attr, value) VALUES(?1, ?2, ?3)");
    if (!value) return value.error();
    // The trail shows that a secret was sent, never what it was.
    for (const auto& [id, text] : MaskSecrets(kind, attributes)) {
        value->Reset();
        value->Bind(1, sequence).Bind(2, std::int64_t{id}).Bind(3, text);
        if (auto st = value->Run(); !st) return st;
    }
    return Status::Ok();
}

Result<std::vector<ObjectLogEntry>> ReadObjectLog(Database& db, std::int64_t afterSequence) {
    auto stmt = db.Prepare(
        "SELECT seq, at, client, action, kind, name FROM object_log WHERE seq > ?1 ORDER BY seq");
    if (!stmt) return stmt.error();
    stmt->Bind(1, afterSequence);
    std::vector<ObjectLogEntry> entries;
    while (stmt->Step()) {
        entries.push_back(ObjectLogEntry{stmt->Int(0),
                                         stmt->Text(1),
                                         stmt->Text(2),
                                         stmt->Text(3),
                                         stmt->Text(4),
                                         stmt->Text(5),
                                         {}});
    }
    if (stmt->Failed()) return stmt->LastError();
    auto values = db.Prepare("SELECT attr, value FROM object_log_values WHERE seq = ?1");
    if (!values) return values.error();
    for (auto& entry : entries) {
        values->Reset();
        values->Bind(1, entry.sequence);
        while (values->Step())
            entry.attributes[static_cast<int>(values->Int(0))] = values->Text(1);
        if (values->Failed()) return values->LastError();
    }
    return entries;
}

}  // namespace ptp::server
