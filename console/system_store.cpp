#include "console/system_store.h"
#include "console/console_texts.h"
#include "platform/ui/toolkit.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

namespace ptp::console {
namespace {

using Json = nlohmann::json;

constexpr const char* kFileName = "console.json";

}  // namespace

std::string UpperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

SystemStore::SystemStore(std::filesystem::path stateDir) : m_stateDir(std::move(stateDir)) {}

Result<bool> SystemStore::Load() {
    m_systems.clear();
    std::ifstream in(m_stateDir / kFileName);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    const Json json = Json::parse(text.str(), nullptr, false);
    if (json.is_discarded() || !json.is_object() || !json.contains("systems") ||
        !json["systems"].is_array()) {
        return Fail(ErrorKind::Internal, ui::FormatResource(IDS_CONSOLE_STATE_DAMAGED,
                                                            {(m_stateDir / kFileName).string()}));
    }
    for (const auto& item : json["systems"]) {
        if (!item.is_object()) continue;
        SystemEntry entry{item.value("name", ""), item.value("release", "")};
        if (entry.name.empty() || Find(entry.name) != nullptr) continue;
        m_systems.push_back(std::move(entry));
    }
    return true;
}

const SystemEntry* SystemStore::Find(std::string_view name) const {
    const std::string wanted = UpperCase(name);
    const auto it = std::find_if(m_systems.begin(), m_systems.end(),
                                 [&](const SystemEntry& entry) { return entry.name == wanted; });
    return it == m_systems.end() ? nullptr : &*it;
}

Result<bool> SystemStore::Add(SystemEntry entry) {
    entry.name = UpperCase(entry.name);
    if (Find(entry.name) != nullptr) {
        return Fail(ErrorKind::Conflict,
                    ui::FormatResource(IDS_CONSOLE_SYSTEM_EXISTS, {entry.name}));
    }
    m_systems.push_back(std::move(entry));
    return Save();
}

Result<bool> SystemStore::Remove(std::string_view name) {
    const std::string wanted = UpperCase(name);
    const auto it = std::find_if(m_systems.begin(), m_systems.end(),
                                 [&](const SystemEntry& entry) { return entry.name == wanted; });
    if (it == m_systems.end()) {
        return Fail(ErrorKind::NotFound, ui::FormatResource(IDS_CONSOLE_NO_SUCH_SYSTEM, {wanted}));
    }
    m_systems.erase(it);
    return Save();
}

Result<bool> SystemStore::Save() const {
    Json systems = Json::array();
    for (const auto& entry : m_systems) {
        systems.push_back({{"name", entry.name}, {"release", entry.release}});
    }
    std::error_code ec;
    std::filesystem::create_directories(m_stateDir, ec);
    const auto target = m_stateDir / kFileName;
    const auto temporary = m_stateDir / (std::string(kFileName) + ".new");
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << Json{{"systems", systems}}.dump(2) << '\n';
        if (!out) {
            return Fail(ErrorKind::Internal,
                        ui::FormatResource(IDS_CONSOLE_STATE_NOT_SAVED, {m_stateDir.string()}));
        }
    }
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        return Fail(ErrorKind::Internal,
                    ui::FormatResource(IDS_CONSOLE_STATE_NOT_RENAMED, {ec.message()}));
    }
    return true;
}

}  // namespace ptp::console
