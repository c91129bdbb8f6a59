#pragma once
// The console's own views of a system, read through the host client the way the console's other
// views are: server jobs by name prefix, one job with its spooled files, a spooled file's text,
// the active connections, the system's command log, and a packet rules file's statements.
#include <nlohmann/json.hpp>
#include <string>

#include "console/console_error.h"

namespace ptp::host {
class IHost;
class InProcessHost;
}  // namespace ptp::host

namespace ptp::console {

using Json = nlohmann::json;

// Each answer is a table: {"columns": [{"text", "width"}], "rows": [{"id", "cells"}]}.
class ServerViews {
  public:
    explicit ServerViews(host::InProcessHost& host) : m_host(host) {}

    [[nodiscard]] Result<Json> Jobs(const std::string& system, const std::string& prefix);
    // A job by its name "<number>/<user>/<job>": its facts and its spooled files.
    [[nodiscard]] Result<Json> Job(const std::string& system, const std::string& job);
    [[nodiscard]] Result<Json> SpooledFile(const std::string& system, const std::string& file);
    [[nodiscard]] Result<Json> Connections(const std::string& system,
                                           const std::string& unused = {});
    [[nodiscard]] Result<Json> CommandLog(const std::string& system,
                                          const std::string& unused = {});
    // The statements of the packet rules file at `path`, one row each, for the console's
    // packet rules view.
    [[nodiscard]] Result<Json> PacketRules(const std::string& system, const std::string& path);

  private:
    host::InProcessHost& m_host;
};

}  // namespace ptp::console
