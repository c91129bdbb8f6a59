#include "cli/ptpctl/ptpctl_operations.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/in_process_host.h"
#include "platform/vocabulary/kinds.h"
#include "resources/ids/ptpctl.h"
#include "server/demo_data.h"
#include "server/list_views.h"
#include "server/ppp_jobs.h"
#include "server/secret_attributes.h"
#include "server/stream_files.h"
#include "server/system.h"

namespace ptp::cli {
namespace {

// Operators see one line per message box the host would show.
class StderrPresenter : public host::IMessagePresenter {
  public:
    explicit StderrPresenter(std::ostream& err) : m_err(err) {}
    void Present(std::string_view text, std::string_view, HWND, int) override {
        m_err << text << '\n';
    }

  private:
    std::ostream& m_err;
};

bool IsKnownKind(const std::string& kind) {
    for (auto known : kinds::kAllKinds) {
        if (known == kind) return true;
    }
    return false;
}

nlohmann::json ToJson(const server::ObjectRecord& record) {
    nlohmann::json attributes = nlohmann::json::object();
    for (const auto& [id, value] : server::MaskSecrets(record.kind, record.attributes))
        attributes[std::to_string(id)] = value;
    return nlohmann::json{{"kind", record.kind}, {"name", record.name}, {"attributes", attributes}};
}

std::string Dump(const nlohmann::json& value) {
    // Attributes may carry raw bytes (link identifiers); they must not end the listing.
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

Operations::Operations(std::shared_ptr<res::ResourceModule> texts, std::ostream& out,
                       std::ostream& err)
    : m_texts(std::move(texts)), m_out(out), m_err(err) {}

Operations::~Operations() {
    if (m_host && host::GetHost() == m_host.get()) host::SetHost(nullptr);
}
Operations::Operations(Operations&&) noexcept = default;

void Operations::SetState(std::filesystem::path stateRoot) {
    m_stateRoot = std::move(stateRoot);
}

std::string Operations::Text(std::uint32_t id, const std::vector<std::string>& args) const {
    return res::FormatText(m_texts->String(id), args);
}

int Operations::Fail(const std::string& message) {
    m_err << Text(IDS_PTPCTL_ERROR_LINE, {message}) << '\n';
    return 1;
}

host::InProcessHost& Operations::Host() {
    if (m_host) return *m_host;
    m_host =
        std::make_unique<host::InProcessHost>(host::InProcessOptions{m_stateRoot, "ptpctl", ""});
    static StderrPresenter presenter(std::cerr);
    m_host->SetPresenter(&presenter);
    return *m_host;
}

server::System* Operations::RequireSystem() {
    if (m_system.empty()) {
        Fail(Text(IDS_PTPCTL_NO_SYSTEM));
        return nullptr;
    }
    server::Error error;
    server::System* system = Host().SystemFor(m_system, &error);
    if (!system) Fail(error.Reply());
    return system;
}

server::System* Operations::InstallHost() {
    server::System* system = RequireSystem();
    if (system) host::SetHost(&Host());
    return system;
}

int Operations::AddSystem(const std::string& name, const std::string& release, bool noAuthority) {
    std::error_code ec;
    std::filesystem::create_directories(m_stateRoot, ec);
    if (ec) return Fail(Text(IDS_PTPCTL_STATE_UNUSABLE, {m_stateRoot.string(), ec.message()}));
    server::Status added = Host().State().AddSystem(name, release, !noAuthority);
    if (!added) return Fail(added.error().Reply());
    auto system = Host().State().OpenSystem(name);
    if (!system) return Fail(system.error().Reply());
    m_out << Text(IDS_PTPCTL_SYSTEM_ADDED, {(*system)->Name(), (*system)->Release()}) << '\n';
    return 0;
}

int Operations::ListSystems() {
    for (const auto& system : Host().State().ListSystems())
        m_out << system.name << ' ' << system.release << '\n';
    return 0;
}

int Operations::Demo(int scale) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    server::Status seeded = server::SeedScaleData(*system, scale);
    if (!seeded) return Fail(seeded.error().Reply());
    m_out << Text(IDS_PTPCTL_DEMO_DONE, {system->Name()}) << '\n';
    return 0;
}

int Operations::RunCl(const std::string& command) {
    if (!RequireSystem()) return 1;
    int status = 0;
    auto connection = Host().Commands().OpenConnection(m_system, 1, status);
    if (!connection) return Fail(m_system);
    std::string reply = connection->RunCommand(command);
    if (reply.empty()) return 0;
    m_out << reply << '\n';
    return 1;
}

int Operations::ListKinds() {
    for (auto kind : kinds::kAllKinds)
        m_out << kind << '\n';
    return 0;
}

int Operations::PrintObjects(const std::string& kind, const std::string& name) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    if (!IsKnownKind(kind)) return Fail(Text(IDS_PTPCTL_UNKNOWN_KIND, {kind}));
    if (!name.empty()) {
        auto record = system->GetObject(kind, name);
        if (!record) return Fail(record.error().Reply());
        m_out << Dump(ToJson(*record)) << '\n';
        return 0;
    }
    server::Result<std::vector<server::ObjectRecord>> records = std::vector<server::ObjectRecord>{};
    server::Status read = system->Read([&](server::ObjectTx& tx) {
        records = server::ReadList(tx, kind, "");
        return records.status();
    });
    if (!read) return Fail(read.error().Reply());
    for (const auto& record : *records)
        m_out << Dump(ToJson(record)) << '\n';
    return 0;
}

int Operations::PutObject(const std::string& kind, const std::string& name,
                          const std::vector<std::string>& values) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    if (!IsKnownKind(kind)) return Fail(Text(IDS_PTPCTL_UNKNOWN_KIND, {kind}));
    server::Attributes attributes;
    for (const auto& value : values) {
        std::size_t equal = value.find('=');
        int id = -1;
        auto [end, ec] =
            std::from_chars(value.data(), value.data() + std::min(equal, value.size()), id);
        if (equal == std::string::npos || ec != std::errc() || end != value.data() + equal ||
            id < 0)
            return Fail(Text(IDS_PTPCTL_BAD_VALUE, {value}));
        attributes[id] = value.substr(equal + 1);
    }
    server::Status put = system->PutObject(kind, name, attributes);
    if (!put) return Fail(put.error().Reply());
    return 0;
}

int Operations::DeleteObject(const std::string& kind, const std::string& name) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    server::Status deleted = system->DeleteObject(kind, name);
    if (!deleted) return Fail(deleted.error().Reply());
    return 0;
}

int Operations::GetFile(const std::string& path, const std::string& local) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    auto text = system->Files().Read(path);
    if (!text) return Fail(text.error().Reply());
    if (local.empty()) {
        m_out << text->text;
        return 0;
    }
    std::ofstream file(local, std::ios::binary);
    file << text->text;
    if (!file) return Fail(Text(IDS_PTPCTL_CANNOT_WRITE, {local}));
    return 0;
}

int Operations::PutFile(const std::string& local, const std::string& path, int ccsid) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    std::ifstream file(local, std::ios::binary);
    if (!file) return Fail(Text(IDS_PTPCTL_CANNOT_READ, {local}));
    std::ostringstream text;
    text << file.rdbuf();
    if (ccsid == 0) {
        auto existing = system->Files().Ccsid(path);
        ccsid = existing ? *existing : server::kCcsidText;
    }
    // The stand-in's own writers honour claims, so a file a console is editing stays its.
    server::Status claimed = system->Files().Claim(path, Host().ClientId());
    if (!claimed) return Fail(claimed.error().Reply());
    server::Status written = system->Files().Write(path, text.str(), ccsid);
    system->Files().Release(path, Host().ClientId());
    if (!written) return Fail(written.error().Reply());
    return 0;
}

int Operations::ListFiles(const std::string& pattern) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    auto names = system->Files().List(pattern);
    if (!names) return Fail(names.error().Reply());
    for (const auto& name : *names)
        m_out << name << '\n';
    return 0;
}

int Operations::PrintLog(std::size_t tail) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    auto entries = system->ReadCommandLog(tail);
    if (!entries) return Fail(entries.error().Reply());
    for (const auto& entry : *entries) {
        nlohmann::json line{{"seq", entry.sequence},
                            {"time", entry.time},
                            {"client", entry.client},
                            {"command", entry.command},
                            {"reply", entry.reply}};
        m_out << Dump(line) << '\n';
    }
    return 0;
}

int Operations::AdvanceClock(long seconds) {
    server::System* system = RequireSystem();
    if (!system) return 1;
    server::Status moved = system->Jobs().AdvanceClock(seconds);
    if (!moved) return Fail(moved.error().Reply());
    auto now = system->Jobs().Clock();
    m_out << Text(IDS_PTPCTL_CLOCK_NOW, {system->Name(), std::to_string(now ? *now : 0)}) << '\n';
    return 0;
}

}  // namespace ptp::cli
