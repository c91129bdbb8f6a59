#include "cli/plugin_commands/console_run.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "platform/com/registry.h"
#include "platform/ui/script_json.h"

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

Json CommandsJson(host::IServerSession& session, std::int64_t after) {
    Json commands = Json::array();
    std::vector<host::LoggedCommand> log;
    if (!session.CommandLog(0, log).ok()) return commands;
    for (const auto& entry : log) {
        if (entry.sequence > after)
            commands.push_back({{"command", entry.command}, {"reply", entry.reply}});
    }
    return commands;
}

Json CommitsJson(host::IServerSession& session, std::int64_t after) {
    Json commits = Json::array();
    std::vector<host::LoggedObjectChange> log;
    if (!session.ObjectLog(after, log).ok()) return commits;
    for (const auto& entry : log) {
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

// The sequence numbers of the newest entries of the two logs, so a run reports only its own.
std::pair<std::int64_t, std::int64_t> LogEnds(host::IServerSession& session) {
    std::vector<host::LoggedCommand> commands;
    std::vector<host::LoggedObjectChange> changes;
    const bool commandsRead = session.CommandLog(1, commands).ok() && !commands.empty();
    const bool changesRead = session.ObjectLog(0, changes).ok() && !changes.empty();
    return {commandsRead ? commands.back().sequence : 0, changesRead ? changes.back().sequence : 0};
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
    run->m_pServer = run->m_pHost->SessionFor(run->m_strSystemName);
    if (!run->m_pServer) return nullptr;
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
    const auto [commandsBefore, commitsBefore] = LogEnds(*m_pServer);
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
    json["commands"] = CommandsJson(*m_pServer, commandsBefore);
    json["commits"] = CommitsJson(*m_pServer, commitsBefore);
    json["messages"] = MessagesJson(m_pSession->Bridge());
    json["navigation"] = NavigationJson(m_pSession->Bridge());
    out << json.dump(2) << '\n';
    return outcome;
}

}  // namespace ptp::cli
