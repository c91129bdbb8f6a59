#pragma once
// The system's audit trail: every command run, with the client that sent it and the reply it got
// (empty for success), and every object a client committed or deleted, with the values it sent.
#include <cstdint>
#include <string>
#include <vector>

#include "host/session/server_session.h"
#include "server/object_record.h"
#include "server/result.h"

namespace ptp::server {

class Database;

using CommandLogEntry = host::LoggedCommand;

Status AppendCommandLog(Database& db, std::string_view client, std::string_view command,
                        std::string_view reply);
// The last `tail` entries (all for 0), oldest first.
Result<std::vector<CommandLogEntry>> ReadCommandLog(Database& db, std::size_t tail);

using host::kObjectCommitted;
using host::kObjectDeleted;
using ObjectLogEntry = host::LoggedObjectChange;

// Written inside the transaction of the change, so the log never claims a change that was rolled
// back.
Status AppendObjectLog(Database& db, std::string_view client, std::string_view action,
                       std::string_view kind, std::string_view name, const Attributes& attributes);
// The entries after `afterSequence`, oldest first.
Result<std::vector<ObjectLogEntry>> ReadObjectLog(Database& db, std::int64_t afterSequence);

}  // namespace ptp::server
