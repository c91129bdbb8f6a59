#pragma once
// The operations behind ptpctl's subcommands. Each writes its output to `out`, reports a
// failure as one line on `err`, and returns the process exit status.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/res/resource_module.h"

namespace ptp::host {
class InProcessHost;
}
namespace ptp::server {
class System;
}

namespace ptp::cli {

class Operations {
  public:
    Operations(std::shared_ptr<res::ResourceModule> texts, std::ostream& out, std::ostream& err);
    ~Operations();
    Operations(Operations&&) noexcept;

    // The host every operation goes through; made on first use for `stateRoot`.
    void SetState(std::filesystem::path stateRoot);
    void SetSystem(std::string system) { m_system = std::move(system); }

    int AddSystem(const std::string& name, const std::string& release, bool noAuthority);
    int ListSystems();
    int Demo(int scale);
    int RunCl(const std::string& command);
    int ListKinds();
    int PrintObjects(const std::string& kind, const std::string& name);
    int PutObject(const std::string& kind, const std::string& name,
                  const std::vector<std::string>& values);
    int DeleteObject(const std::string& kind, const std::string& name);
    int GetFile(const std::string& path, const std::string& local);
    int PutFile(const std::string& local, const std::string& path, int ccsid);
    int ListFiles(const std::string& pattern);
    int PrintLog(std::size_t tail);
    int AdvanceClock(long seconds);

    // Installs the host process-wide for code that reaches the server through it (the plug-in's
    // file readers); the system named with --system, or null after reporting why there is none.
    server::System* InstallHost();

    // The text of resource `id` with its arguments.
    std::string Text(std::uint32_t id, const std::vector<std::string>& args = {}) const;

  private:
    int Fail(const std::string& message);
    host::InProcessHost& Host();
    // The system named with --system, or null after reporting why there is none.
    server::System* RequireSystem();

    std::shared_ptr<res::ResourceModule> m_texts;
    std::ostream& m_out;
    std::ostream& m_err;
    std::filesystem::path m_stateRoot;
    std::string m_system;
    std::unique_ptr<host::InProcessHost> m_host;
};

}  // namespace ptp::cli
