#pragma once
// The system's audit trail: every command run, with the client that sent it and the reply it got
// (empty for success), and every object a client committed or deleted, with the values it sent.
#include <cstdint>
#include <string>
#include <vector>

#include "server/object_record.h"
#include "server/result.h"

namespace ptp::server {

class Database;

struct CommandLogEntry {
    std::int64_t sequence = 0;
    std::string time;  // UTC, "2026-12-05T15:36:27Z"
    std::string client;
    std::string command;
    std::string reply;
};

Status AppendCommandLog(Database& db, std::string_view client, std::string_view command,
                        std::string_view reply);
// The last `tail` entries (all for 0), oldest first.
Result<std::vector<CommandLogEntry>> ReadCommandLog(Database& db, std::size_t tail);

inline constexpr std::string_view kObjectCommitted = "commit";
inline constexpr std::string_view kObjectDeleted = "delete";

struct ObjectLogEntry {
    std::int64_t sequence = 0;
    std::string time;
    std::string client;
    std::string action;  // kObjectCommitted or kObjectDeleted
    std::string kind;
    std::string name;       // the name the object is stored under
    Attributes attributes;  // the values the client sent; none for a deletion
};

// Written inside the transaction of the change, so the log never claims a change that was rolled
// back.
Status AppendObjectLog(Database& db, std::string_view client, std::string_view action,
                       std::string_view kind, std::string_view name, const Attributes& attributes);
// The entries after `afterSequence`, oldest first.
Result<std::vector<ObjectLogEntry>> ReadObjectLog(Database& db, std::int64_t afterSequence);
// The sequence number of the newest entry; 0 when there is none.
Result<std::int64_t> LastObjectLogSequence(Database& db);

}  // namespace ptp::server
