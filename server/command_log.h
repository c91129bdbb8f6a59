#pragma once
// The system's audit trail: every command run, with the client that sent it and the reply it got
// (empty for success).
#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace ptp::server
