#include "cli/plugin_commands/console_run.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "platform/com/registry.h"
#include "platform/ui/script_json.h"
#include "server/system.h"

namespace ptp::cli {
namespace {

using Json = nlohmann::json;

// The plug-in and the resource library ship next to the program.
std::filesystem::path BesideProgram(const char* name) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(name) : self.parent_path() / name;
}

}  // namespace

std::string PrintableText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out += escaped;
    }
    return out;
}

namespace {

Json CommandsJson(server::System& system, std::size_t before) {
    Json commands = Json::array();
    auto log = system.ReadCommandLog();
    if (!log) return commands;
    for (std::size_t i = before; i < log->size(); ++i)
        commands.push_back({{"command", (*log)[i].command}, {"reply", (*log)[i].reply}});
    return commands;
}

Json CommitsJson(server::System& system, std::int64_t after) {
    Json commits = Json::array();
    auto log = system.ReadObjectLog(after);
    if (!log) return commits;
    for (const auto& entry : *log) {
        Json values = Json::object();
        for (const auto& [id, text] : entry.attributes)
            values[std::to_string(id)] = text;
        commits.push_back({{"action", entry.action},
                           {"kind", entry.kind},
                           {"name", entry.name},
                           {"client", entry.client},
                           {"attributes", values}});
    }
    return commits;
}

Json MessagesJson(const session::ConsoleBridge& bridge) {
    Json messages = Json::array();
    for (const auto& sent : bridge.messages) {
        Json message{{"message", sent.message}, {"wParam", sent.wParam}};
        if (!sent.text.empty()) message["text"] = sent.text;
        messages.push_back(message);
    }
    return messages;
}

Json NavigationJson(const session::ConsoleBridge& bridge) {
    Json navigation = Json::array();
    for (const auto& request : bridge.navigation) {
        navigation.push_back({{"kind", request.what},
                              {"server", request.server},
                              {"path", PrintableText(request.path)},
                              {"filter", request.filter},
                              {"title", request.title}});
    }
    return navigation;
}

}  // namespace

std::string UpperText(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::optional<std::string> ScriptText(const std::string& file,
                                      const std::vector<std::string>& answers, std::istream& in,
                                      ScriptProblem& problem) {
    Json script = Json::object();
    if (!file.empty()) {
        std::ifstream stream;
        if (file != kScriptFromInput) stream.open(file);
        std::istream& source = file == kScriptFromInput ? in : stream;
        if (!source) {
            problem = {ScriptProblem::Kind::Unreadable, 0};
            return std::nullopt;
        }
        try {
            script = Json::parse(source);
        } catch (const Json::parse_error& error) {
            problem = {ScriptProblem::Kind::NotJson, error.byte};
            return std::nullopt;
        }
        if (!script.is_object()) {
            problem = {ScriptProblem::Kind::NotAnObject, 0};
            return std::nullopt;
        }
    }
    if (!answers.empty() && !script.contains("messageBoxes"))
        script["messageBoxes"] = Json::array();
    for (const auto& answer : answers)
        script["messageBoxes"].push_back(answer);
    return script.dump();
}

ConsoleRun::~ConsoleRun() {
    m_pSession.reset();
    if (host::GetHost() == m_pHost.get()) host::SetHost(nullptr);
    m_pHost.reset();
}

std::unique_ptr<ConsoleRun> ConsoleRun::Start(const std::filesystem::path& stateRoot,
                                              const std::string& systemName, std::string& error) {
    std::unique_ptr<ConsoleRun> run(new ConsoleRun());
    SetRegistryDirectory((stateRoot / "registry").string());
    run->m_strSystemName = UpperText(systemName);
    run->m_pHost = std::make_unique<host::InProcessHost>(
        host::InProcessOptions{stateRoot, std::string(host::kClientName), ""});
    // No reason given: the caller says that the system is not in the state folder.
    run->m_pSystem = run->m_pHost->SystemFor(run->m_strSystemName);
    if (!run->m_pSystem) return nullptr;
    host::SetHost(run->m_pHost.get());
    std::string loadError;
    auto resources =
        res::ResourceModule::LoadLibrary(BesideProgram("libptpres.so").string(), &loadError);
    run->m_pSession = std::make_unique<session::PluginSession>(
        *run->m_pHost, resources, BesideProgram("libptpext.so").string());
    run->m_pHost->SetPresenter(&run->m_pSession->Bridge());
    session::Failure failure;
    if (!run->m_pSession->Start(failure)) {
        error = loadError.empty() ? failure.text : loadError;
        return nullptr;
    }
    return run;
}

ConsoleRun::Outcome ConsoleRun::PlayAndPrint(
    const std::string& script, const std::function<std::optional<long>(std::string&)>& run,
    std::ostream& out) {
    Outcome outcome;
    const auto log = m_pSystem->ReadCommandLog();
    const std::size_t before = log ? log->size() : 0;
    const auto lastCommit = m_pSystem->LastObjectLogSequence();
    const std::int64_t commitsBefore = lastCommit ? *lastCommit : 0;
    std::optional<long> result;
    const ui::PlayResult played = ui::PlayScript(script, [&] { result = run(outcome.error); });
    if (!played.loaded) {
        outcome.error = played.error;
        return outcome;
    }
    if (!result) return outcome;
    outcome.ran = true;
    outcome.result = *result;
    // A dialog the driver had to close itself, or one the script waited for in vain, means the
    // script did not go the way its writer meant.
    outcome.playedThrough = played.transcript.Faults().empty() &&
                            played.transcript.Refusals().empty() &&
                            played.transcript.Of(ui::TranscriptEntry::Kind::StayedOpen).empty() &&
                            played.unusedScripts.empty();
    Json json;
    json["result"] = *result;
    json["transcript"] = Json::parse(ui::TranscriptToJson(played.transcript), nullptr, false);
    json["commands"] = CommandsJson(*m_pSystem, before);
    json["commits"] = CommitsJson(*m_pSystem, commitsBefore);
    json["messages"] = MessagesJson(m_pSession->Bridge());
    json["navigation"] = NavigationJson(m_pSession->Bridge());
    out << json.dump(2) << '\n';
    return outcome;
}

}  // namespace ptp::cli
