#pragma once
// The embedded server's side of the session interface: one system of the stand-in, reached by a
// client in this process. The server runs the commands, transactions, checks and logs; the client
// sees only the interface.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/session/server_session.h"

namespace ptp::server {

class System;

// Runs one CL command on a system for a client and gives the reply (empty for success).
using CommandRunner =
    std::function<std::string(System& system, std::string_view client, std::string_view command)>;

struct EmbeddedSessionOptions {
    // The client name written to the logs ("NXWIN" for the console, "ptpctl", ...).
    std::string client;
    // The user signed on; empty for the system's default user.
    std::string user;
    // Unique per client object and process: the owner of file claims.
    std::string clientId;
    // The interpreter commands go to; null for the server's own. Kept by reference, so whoever
    // owns it may change it while the session lives.
    const CommandRunner* runner = nullptr;
};

// A session on `system`, which must outlive it.
[[nodiscard]] std::unique_ptr<host::IServerSession> MakeEmbeddedSession(
    System& system, EmbeddedSessionOptions options);

}  // namespace ptp::server
