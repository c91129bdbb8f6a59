#include "cli/plugin_session/ptpctl_plugin_commands.h"

#include <cctype>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/plugin_session/plugin_session.h"
#include "host/in_process_host.h"
#include "platform/com/registry.h"
#include "platform/ui/script_json.h"
#include "server/system.h"

namespace ptp::cli {
namespace {

using Json = nlohmann::json;

// Texts of the subcommands (resources/strings/ptpctl_plugin.json).
enum Text : std::uint32_t {
    kListHelp = 35200,
    kFolderHelp = 35201,
    kMenuHelp = 35202,
    kItemsHelp = 35203,
    kNewHelp = 35204,
    kDefaultHelp = 35205,
    kInvokeHelp = 35206,
    kVerbHelp = 35207,
    kScriptHelp = 35208,
    kAnswerHelp = 35209,
    kTasksHelp = 35210,
    kRunTaskHelp = 35211,
    kTaskIdHelp = 35212,
    kNoSystem = 35213,
    kFailed = 35214,
    kScriptUnreadable = 35215,
};

std::filesystem::path BesideProgram(const char* name) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(name) : self.parent_path() / name;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Control characters of item ids written so a terminal shows them.
std::string Printable(const std::string& text) {
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

// The script to play: the file's, with the answers given on the command line added.
std::optional<std::string> ScriptText(const std::string& file,
                                      const std::vector<std::string>& answers) {
    Json script = Json::object();
    if (!file.empty()) {
        std::ifstream in(file);
        if (!in) return std::nullopt;
        script = Json::parse(in, nullptr, false);
        if (script.is_discarded() || !script.is_object()) return std::nullopt;
    }
    if (!answers.empty() && !script.contains("messageBoxes"))
        script["messageBoxes"] = Json::array();
    for (const auto& answer : answers)
        script["messageBoxes"].push_back(answer);
    return script.dump();
}

// A console without windows on one system: the host, the plug-in and its session.
struct Console {
    std::unique_ptr<host::InProcessHost> host;
    std::unique_ptr<PluginSession> session;
    server::System* system = nullptr;
};

std::unique_ptr<Console> StartConsole(const std::filesystem::path& stateRoot,
                                      const std::string& systemName, std::string& error) {
    auto console = std::make_unique<Console>();
    console->host = std::make_unique<host::InProcessHost>(
        host::InProcessOptions{stateRoot, std::string(host::kClientName), ""});
    console->system = console->host->SystemFor(systemName);
    if (!console->system) return nullptr;
    host::SetHost(console->host.get());
    std::string loadError;
    auto resources =
        res::ResourceModule::LoadLibrary(BesideProgram("libptpres.so").string(), &loadError);
    console->session = std::make_unique<PluginSession>(*console->host, resources,
                                                       BesideProgram("libptpext.so").string());
    console->host->SetPresenter(&console->session->Bridge());
    if (!console->session->Start(error)) {
        if (!loadError.empty()) error = loadError;
        return nullptr;
    }
    return console;
}

Json TranscriptJson(Console& console, const ui::PlayResult& played, std::size_t commandsBefore,
                    std::optional<HRESULT> result) {
    Json json;
    json["result"] = result ? *result : 0;
    json["transcript"] = Json::parse(ui::TranscriptToJson(played.transcript), nullptr, false);
    Json commands = Json::array();
    if (auto log = console.system->ReadCommandLog()) {
        for (std::size_t i = commandsBefore; i < log->size(); ++i)
            commands.push_back({{"command", (*log)[i].command}, {"reply", (*log)[i].reply}});
    }
    json["commands"] = commands;
    Json messages = Json::array();
    for (const auto& sent : console.session->Bridge().messages) {
        Json message{{"message", sent.message}, {"wParam", sent.wParam}};
        if (!sent.text.empty()) message["text"] = sent.text;
        messages.push_back(message);
    }
    json["messages"] = messages;
    Json navigation = Json::array();
    for (const auto& request : console.session->Bridge().navigation) {
        navigation.push_back({{"kind", request.what},
                              {"server", request.server},
                              {"path", Printable(request.path)},
                              {"filter", request.filter},
                              {"title", request.title}});
    }
    json["navigation"] = navigation;
    return json;
}

}  // namespace

PluginCommands::PluginCommands(CLI::App& app, TextFunction text) : m_text(std::move(text)) {
    m_pList = app.add_subcommand("list", m_text(kListHelp));
    m_pList->add_option("FOLDER", m_strFolder, m_text(kFolderHelp))->required();

    m_pMenu = app.add_subcommand("menu", m_text(kMenuHelp));
    m_pMenu->add_flag("--new", m_bNew, m_text(kNewHelp));
    m_pMenu->add_flag("--default", m_bDefault, m_text(kDefaultHelp));
    m_pMenu->add_option("FOLDER", m_strFolder, m_text(kFolderHelp))->required();
    m_pMenu->add_option("ITEM", m_items, m_text(kItemsHelp));

    m_pInvoke = app.add_subcommand("invoke", m_text(kInvokeHelp));
    m_pInvoke->add_option("VERB", m_strVerb, m_text(kVerbHelp))->required();
    m_pInvoke->add_option("FOLDER", m_strFolder, m_text(kFolderHelp))->required();
    m_pInvoke->add_option("ITEM", m_items, m_text(kItemsHelp));
    m_pInvoke->add_option("--script", m_strScript, m_text(kScriptHelp));
    m_pInvoke->add_option("--answer", m_answers, m_text(kAnswerHelp))
        ->check(CLI::IsMember({"yes", "no", "ok", "cancel"}));

    m_pTasks = app.add_subcommand("tasks", m_text(kTasksHelp));
    m_pTasks->add_option("FOLDER", m_strFolder, m_text(kFolderHelp))->required();

    m_pRunTask = app.add_subcommand("run-task", m_text(kRunTaskHelp));
    m_pRunTask->add_option("FOLDER", m_strFolder, m_text(kFolderHelp))->required();
    m_pRunTask->add_option("ID", m_nTaskId, m_text(kTaskIdHelp))->required();
    m_pRunTask->add_option("--script", m_strScript, m_text(kScriptHelp));
    m_pRunTask->add_option("--answer", m_answers, m_text(kAnswerHelp))
        ->check(CLI::IsMember({"yes", "no", "ok", "cancel"}));
}

std::optional<int> PluginCommands::Run(const std::filesystem::path& stateRoot,
                                       const std::string& systemName, std::ostream& out,
                                       std::ostream& err) {
    const bool any = m_pList->parsed() || m_pMenu->parsed() || m_pInvoke->parsed() ||
                     m_pTasks->parsed() || m_pRunTask->parsed();
    if (!any) return std::nullopt;
    const std::string folder = Upper(m_strFolder);
    const std::string system = Upper(systemName);
    SetRegistryDirectory((stateRoot / "registry").string());
    std::string error;
    auto console = StartConsole(stateRoot, system, error);
    if (!console) {
        err << "ptpctl: " << (error.empty() ? res::FormatText(m_text(kNoSystem), {system}) : error)
            << '\n';
        return 1;
    }
    auto fail = [&](const std::string& why) {
        err << "ptpctl: " << res::FormatText(m_text(kFailed), {why}) << '\n';
        return 1;
    };

    if (m_pList->parsed()) {
        auto listing = console->session->ListFolder(system, folder, error);
        if (!listing) return fail(error);
        out << "Item";
        for (const auto& column : listing->columns)
            out << '\t' << column.heading;
        out << '\n';
        for (const auto& row : listing->rows) {
            out << Printable(row.itemId);
            for (const auto& cell : row.cells)
                out << '\t' << cell;
            out << '\n';
        }
        return 0;
    }
    if (m_pMenu->parsed()) {
        const UINT flags = m_bDefault ? kMenuDefaultOnly : m_bNew ? kMenuNewObjects : kMenuObjects;
        HRESULT result = S_OK;
        auto lines = console->session->Menu(system, folder, m_items, flags, result, error);
        if (!lines) return fail(error);
        for (const auto& line : *lines) {
            out << std::string(static_cast<std::size_t>(line.depth) * 2, ' ');
            if (line.separator) {
                out << "-\n";
                continue;
            }
            out << (line.popup ? "[popup]" : line.verb) << '\t' << line.text;
            if (line.greyed) out << "\tgreyed";
            if (line.isDefault) out << "\tdefault";
            if (line.checked) out << "\tchecked";
            out << '\n';
        }
        return SUCCEEDED(result) ? 0 : 1;
    }
    if (m_pTasks->parsed()) {
        auto tasks = console->session->Tasks(system, folder, error);
        if (!tasks) return fail(error);
        for (const auto& task : *tasks)
            out << task.id << '\t' << task.title << '\t' << task.iconId << '\t' << task.description
                << '\n';
        return 0;
    }

    const auto script = ScriptText(m_strScript, m_answers);
    if (!script) return fail(res::FormatText(m_text(kScriptUnreadable), {m_strScript}));
    const auto log = console->system->ReadCommandLog();
    const std::size_t before = log ? log->size() : 0;
    std::optional<HRESULT> result;
    const ui::PlayResult played = ui::PlayScript(*script, [&] {
        result = m_pInvoke->parsed()
                     ? console->session->Invoke(system, folder, m_items, m_strVerb, error)
                     : console->session->RunTask(system, folder, m_nTaskId, error);
    });
    if (!played.loaded) return fail(played.error);
    if (!result) return fail(error);
    out << TranscriptJson(*console, played, before, result).dump(2) << '\n';
    const bool playedThrough =
        played.transcript.Faults().empty() && played.transcript.Refusals().empty();
    return playedThrough && SUCCEEDED(*result) ? 0 : 1;
}

}  // namespace ptp::cli
