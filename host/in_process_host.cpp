#include "host/in_process_host.h"

#include <unistd.h>

#include <atomic>
#include <cstring>

#include "host/in_process_parts.h"
#include "host/server_error.h"
#include "server/system.h"
#include "server/text_codec.h"

namespace ptp::host {

InProcessHost::InProcessHost(InProcessOptions options)
    : m_options(std::move(options)), m_state(m_options.stateRoot) {
    static std::atomic<unsigned> counter{0};
    m_clientId = m_options.client + "#" + std::to_string(getpid()) + "." +
                 std::to_string(counter.fetch_add(1));
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
    if (it != m_systems.end()) return it->second.system.get();
    auto system = m_state.OpenSystem(key);
    if (!system) {
        if (error) *error = system.error();
        return nullptr;
    }
    Opened opened;
    opened.session = server::MakeEmbeddedSession(
        **system, {m_options.client, m_options.user, m_clientId, &m_runner});
    opened.system = std::move(*system);
    return m_systems.emplace(key, std::move(opened)).first->second.system.get();
}

IServerSession* InProcessHost::SessionFor(std::string_view serverName, ServerReply* failure) {
    server::Error error;
    if (!SystemFor(serverName, &error)) {
        if (failure) *failure = ServerReply{error.messageId, error.text};
        return nullptr;
    }
    std::lock_guard lock(m_systemsMutex);
    return m_systems.at(server::UpperAscii(serverName)).session.get();
}

IServerSession* InProcessHost::SessionOrError(std::string_view serverName, SOFError** slot) {
    ClearError(slot);
    ServerReply failure;
    IServerSession* session = SessionFor(serverName, &failure);
    if (!session)
        ReportError(slot, kKindCommunication, failure.messageId, failure.text, m_presenter);
    return session;
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
    explicit InProcessConnection(IServerSession& session) : m_session(session) {}

    std::string RunCommand(std::string_view command) override {
        return m_session.RunCommand(command);
    }

  private:
    IServerSession& m_session;
};

}  // namespace

std::unique_ptr<ICommandConnection> InProcessCommands::OpenConnection(std::string_view serverName,
                                                                      int mode, int& status) {
    status = 0;
    if (mode != 1) return nullptr;
    IServerSession* session = m_host.SessionFor(serverName);
    if (!session) return nullptr;
    status = 1;
    return std::make_unique<InProcessConnection>(*session);
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
    IServerSession* session = m_host.SessionFor(serverName);
    if (!session || capacity < 7) return false;
    return CopyToBuffer(session->Release(), buffer, capacity);
}

bool InProcessFacts::HasConfigurationAuthority(std::string_view serverName, SOFError** error) {
    IServerSession* session = m_host.SessionOrError(serverName, error);
    if (!session) return false;
    return session->HasConfigurationAuthority();
}

}  // namespace ptp::host
