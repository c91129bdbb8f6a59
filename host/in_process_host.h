#pragma once
// The host client that reaches the server stand-in inside this process: the console, ptpctl and
// the tests install it with SetHost. Server names are system names of one state folder; each
// system is opened on first use and kept.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "host/message_presenter.h"
#include "server/result.h"
#include "server/server_state.h"

namespace ptp::host {

// Runs one CL command on a system for a client and gives the reply (empty for success).
using CommandRunner = std::function<std::string(server::System& system, std::string_view client,
                                                std::string_view command)>;

struct InProcessOptions {
    std::filesystem::path stateRoot;
    // The client name written to the command log ("NXWIN" for the console, "ptpctl", ...).
    std::string client = std::string(kClientName);
    // The user signed on; empty for the system's default user.
    std::string user;
};

class InProcessHost final : public IHost {
  public:
    explicit InProcessHost(InProcessOptions options);
    ~InProcessHost() override;
    InProcessHost(const InProcessHost&) = delete;
    InProcessHost& operator=(const InProcessHost&) = delete;

    ICommandService& Commands() override;
    IServerFiles& Files() override;
    IServerObjects& Objects() override;
    IErrorDisplay& Errors() override;
    IServerFacts& Facts() override;

    // Where message boxes go; null drops them (a host without a user).
    void SetPresenter(IMessagePresenter* presenter);
    IMessagePresenter* Presenter() const { return m_presenter; }
    // The CL interpreter commands go to.
    void SetCommandRunner(CommandRunner runner);
    const CommandRunner& Runner() const { return m_runner; }

    // The system a server name stands for; null, with the reason in `error`, when there is none.
    server::System* SystemFor(std::string_view server, server::Error* error = nullptr);
    // The same, with the reason as an error object in `slot` when there is none.
    server::System* SystemOrError(std::string_view server, SOFError** slot);
    server::ServerState& State() { return m_state; }
    const InProcessOptions& Options() const { return m_options; }
    // Unique per host object and process: the owner of file claims.
    const std::string& ClientId() const { return m_clientId; }
    // The user signed on to `system`.
    std::string UserFor(server::System& system) const;

  private:
    InProcessOptions m_options;
    server::ServerState m_state;
    std::string m_clientId;
    IMessagePresenter* m_presenter = nullptr;
    CommandRunner m_runner;
    std::mutex m_systemsMutex;
    std::map<std::string, std::unique_ptr<server::System>> m_systems;

    std::unique_ptr<ICommandService> m_commands;
    std::unique_ptr<IServerFiles> m_files;
    std::unique_ptr<IServerObjects> m_objects;
    std::unique_ptr<IErrorDisplay> m_errors;
    std::unique_ptr<IServerFacts> m_facts;
};

// The reply of a host that has no interpreter.
std::string NoInterpreterReply(std::string_view command);

}  // namespace ptp::host
