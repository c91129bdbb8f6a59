#include "host/in_process_host.h"

#include <unistd.h>

#include <atomic>
#include <cstring>

#include "host/in_process_parts.h"
#include "host/server_error.h"
#include "server/cl/cl_interpreter.h"
#include "server/messages.h"
#include "server/system.h"
#include "server/text_codec.h"


namespace ptp::host {

std::string NoInterpreterReply(std::string_view command) {
    std::string name(command.substr(0, command.find(' ')));
    return server::Message("CPD0030", {name, "*LIBL"}).Reply();
}

InProcessHost::InProcessHost(InProcessOptions options)
    : m_options(std::move(options)), m_state(m_options.stateRoot) {
    static std::atomic<unsigned> counter{0};
    m_clientId = m_options.client + "#" + std::to_string(getpid()) + "." +
                 std::to_string(counter.fetch_add(1));
    m_runner = server::cl::ExecuteClCommand;
    m_commands = std::make_unique<InProcessCommands>(*this);
    m_files = std::make_unique<InProcessFiles>(*this);
    m_objects = std::make_unique<InProcessObjects>(*this);
    m_errors = std::make_unique<InProcessErrorDisplay>(*this);
    m_facts = std::make_unique<InProcessFacts>(*this);
}

InProcessHost::~InProcessHost() = default;

ICommandService& InProcessHost::Commands() {
    return *m_commands;
}
IServerFiles& InProcessHost::Files() {
    return *m_files;
}
IServerObjects& InProcessHost::Objects() {
    return *m_objects;
}
IErrorDisplay& InProcessHost::Errors() {
    return *m_errors;
}
IServerFacts& InProcessHost::Facts() {
    return *m_facts;
}

void InProcessHost::SetPresenter(IMessagePresenter* presenter) {
    m_presenter = presenter;
}

void InProcessHost::SetCommandRunner(CommandRunner runner) {
    m_runner = std::move(runner);
}

server::System* InProcessHost::SystemFor(std::string_view serverName, server::Error* error) {
    std::string key = server::UpperAscii(serverName);
    std::lock_guard lock(m_systemsMutex);
    auto it = m_systems.find(key);
    if (it != m_systems.end()) return it->second.get();
    auto system = m_state.OpenSystem(key);
    if (!system) {
        if (error) *error = system.error();
        return nullptr;
    }
    server::System* raw = system->get();
    m_systems.emplace(key, std::move(*system));
    return raw;
}

server::System* InProcessHost::SystemOrError(std::string_view serverName, SOFError** slot) {
    ClearError(slot);
    server::Error failure;
    server::System* system = SystemFor(serverName, &failure);
    if (!system)
        ReportError(slot, kKindCommunication, failure.messageId, failure.text, m_presenter);
    return system;
}

std::string InProcessHost::UserFor(server::System& system) const {
    if (!m_options.user.empty()) return server::UpperAscii(m_options.user);
    return system.DefaultUser();
}

bool CopyToBuffer(std::string_view text, char* buffer, std::size_t capacity) {
    if (!buffer || capacity == 0) return false;
    std::size_t length = std::min(text.size(), capacity - 1);
    // An empty view may carry a null pointer, which memcpy must never see.
    if (length > 0) std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return true;
}

// ---------------------------------------------------------------------------------------------

namespace {

class InProcessConnection final : public ICommandConnection {
  public:
    InProcessConnection(InProcessHost& host, server::System& system)
        : m_host(host), m_system(system) {}

    std::string RunCommand(std::string_view command) override {
        std::string reply = m_host.Runner()(m_system, m_host.Options().client, command);
        // The log is the audit trail: a failure to write it must not turn a command that ran
        // into one the caller believes failed.
        (void)m_system.LogCommand(m_host.Options().client, command, reply);
        return reply;
    }

  private:
    InProcessHost& m_host;
    server::System& m_system;
};

}  // namespace

std::unique_ptr<ICommandConnection> InProcessCommands::OpenConnection(std::string_view serverName,
                                                                      int mode, int& status) {
    status = 0;
    if (mode != 1) return nullptr;
    server::System* system = m_host.SystemFor(serverName);
    if (!system) return nullptr;
    status = 1;
    return std::make_unique<InProcessConnection>(m_host, *system);
}

void InProcessErrorDisplay::ShowError(SOFError* error, HWND parent) {
    if (!error || IsAlreadyReported(error)) return;
    if (error->GetKind() != SOFError::kKindMessage) {
        error->Show(parent);
        return;
    }
    if (IMessagePresenter* presenter = m_host.Presenter())
        presenter->Present(ErrorDisplayText(*error), kMessageSource, parent, kStyleWarning);
}

void InProcessErrorDisplay::ShowMessageText(std::string_view text, HWND parent) {
    if (IMessagePresenter* presenter = m_host.Presenter())
        presenter->Present(text, kMessageSource, parent, kStyleWarning);
}

bool InProcessFacts::GetRelease(std::string_view serverName, char* buffer, std::size_t capacity) {
    server::System* system = m_host.SystemFor(serverName);
    if (!system || capacity < 7) return false;
    return CopyToBuffer(system->Release(), buffer, capacity);
}

bool InProcessFacts::HasConfigurationAuthority(std::string_view serverName, SOFError** error) {
    server::System* system = m_host.SystemOrError(serverName, error);
    if (!system) return false;
    return system->HasConfigurationAuthority(m_host.UserFor(*system));
}

}  // namespace ptp::host
