#include "server/server_state.h"

#include <cctype>
#include <cstdlib>

#include "server/messages.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace fs = std::filesystem;

bool IsSystemName(std::string_view name) {
    if (name.empty() || name.size() > 63) return false;
    if (!std::isalnum(static_cast<unsigned char>(name.front()))) return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.') return false;
    }
    return name.find("..") == std::string_view::npos;
}

fs::path ServerState::DefaultRoot() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return fs::path(data) / "ptpconsole";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "ptpconsole";
    return fs::temp_directory_path() / "ptpconsole";
}

Status ServerState::AddSystem(std::string_view name, std::string_view release, bool authority) {
    if (!IsSystemName(name)) return Message("CPD0074", {name, "SYSTEM"});
    std::string upper = UpperAscii(name);
    if (HasSystem(upper)) return Message("CPF2112", {upper, "*SYSTEM"});
    std::error_code ec;
    fs::create_directories(m_root / upper, ec);
    if (ec) return Message("CPFA0A1", {(m_root / upper).string()});
    auto system = System::Open(m_root / upper);
    if (!system) return system.error();
    if (auto st = (*system)->SetRelease(release); !st) {
        fs::remove_all(m_root / upper, ec);
        return st;
    }
    std::string user = "QSECOFR";
    if (const char* login = std::getenv("USER");
        login && *login && std::string_view(login).size() <= 10)
        user = UpperAscii(login);
    return (*system)->SetUser(user, authority);
}

std::vector<SystemSummary> ServerState::ListSystems() const {
    std::vector<SystemSummary> systems;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(m_root, ec)) {
        if (!entry.is_directory() || !fs::exists(entry.path() / "system.db")) continue;
        auto system = System::Open(entry.path());
        if (!system) continue;
        systems.push_back(SystemSummary{(*system)->Name(), (*system)->Release()});
    }
    std::sort(systems.begin(), systems.end(),
              [](const SystemSummary& a, const SystemSummary& b) { return a.name < b.name; });
    return systems;
}

bool ServerState::HasSystem(std::string_view name) const {
    if (!IsSystemName(name)) return false;
    std::error_code ec;
    return fs::exists(m_root / UpperAscii(name) / "system.db", ec);
}

Result<std::unique_ptr<System>> ServerState::OpenSystem(std::string_view name) const {
    if (!HasSystem(name)) return Message("CPF2105", {name, "*SYSTEM"});
    return System::Open(m_root / UpperAscii(name));
}

}  // namespace ptp::server
