#pragma once
// The folder that holds every system of the stand-in: one subfolder per system, named after it,
// with its database (system.db) and its stream file system (ifs/).
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "server/result.h"
#include "server/system.h"

namespace ptp::server {

struct SystemSummary {
    std::string name;
    std::string release;
};

class ServerState {
  public:
    explicit ServerState(std::filesystem::path root) : m_root(std::move(root)) {}

    // The per-user default: $XDG_DATA_HOME/ptpconsole or ~/.local/share/ptpconsole.
    static std::filesystem::path DefaultRoot();

    // Creates a system (host-name characters, up to 63, kept upper-cased) with one user, the
    // one clients sign on as, who has configuration authority unless `authority` is false.
    // CPF2112 when it exists.
    Status AddSystem(std::string_view name, std::string_view release = kDefaultRelease,
                     bool authority = true);
    std::vector<SystemSummary> ListSystems() const;
    bool HasSystem(std::string_view name) const;
    // CPF2105 for a system that was never added.
    Result<std::unique_ptr<System>> OpenSystem(std::string_view name) const;

    const std::filesystem::path& Root() const { return m_root; }

  private:
    std::filesystem::path m_root;
};

// True for names a system can have.
bool IsSystemName(std::string_view name);

}  // namespace ptp::server
