#pragma once
// The host client that reaches the server stand-in inside this process: the console, ptpctl and
// the tests install it with SetHost. Server names are system names of one state folder; each
// system is opened on first use and kept, with the embedded server's session on it. Every
// operation family goes through that session (host/session/server_session.h) and nothing else.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "host/message_presenter.h"
#include "host/session/server_session.h"
#include "server/embedded/embedded_session.h"
#include "server/result.h"
#include "server/server_state.h"

namespace ptp::host {

using server::CommandRunner;

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

    // The session on the system a server name stands for; null, with the server's reason in
    // `failure`, when there is none.
    IServerSession* SessionFor(std::string_view server, ServerReply* failure = nullptr);
    // The same, with the reason as an error object in `slot` when there is none.
    IServerSession* SessionOrError(std::string_view server, SOFError** slot);

    // The embedded system itself, for the console's and ptpctl's administration of the stand-in
    // (systems, demo data, the clock); the host's own calls never use it.
    server::System* SystemFor(std::string_view server, server::Error* error = nullptr);
    server::ServerState& State() { return m_state; }
    const InProcessOptions& Options() const { return m_options; }
    // Unique per host object and process: the owner of file claims.
    const std::string& ClientId() const { return m_clientId; }

  private:
    InProcessOptions m_options;
    server::ServerState m_state;
    std::string m_clientId;
    IMessagePresenter* m_presenter = nullptr;
    CommandRunner m_runner;
    std::mutex m_systemsMutex;
    struct Opened {
        std::unique_ptr<server::System> system;
        std::unique_ptr<IServerSession> session;
    };
    std::map<std::string, Opened> m_systems;

    std::unique_ptr<ICommandService> m_commands;
    std::unique_ptr<IServerFiles> m_files;
    std::unique_ptr<IServerObjects> m_objects;
    std::unique_ptr<IErrorDisplay> m_errors;
    std::unique_ptr<IServerFacts> m_facts;
};

}  // namespace ptp::host
