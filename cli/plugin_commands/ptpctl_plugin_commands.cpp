#include "cli/plugin_commands/ptpctl_plugin_commands.h"

#include <istream>
#include <ostream>

#include "cli/plugin_commands/console_run.h"

namespace ptp::cli {
namespace {

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
    kScriptNotJson = 35216,
    kScriptNotAnObject = 35217,
};

}  // namespace

std::string PluginCommands::ScriptProblemText(const ScriptProblem& problem) const {
    switch (problem.kind) {
        case ScriptProblem::Kind::NotJson:
            return res::FormatText(m_text(kScriptNotJson),
                                   {m_strScript, std::to_string(problem.byte)});
        case ScriptProblem::Kind::NotAnObject:
            return res::FormatText(m_text(kScriptNotAnObject), {m_strScript});
        case ScriptProblem::Kind::Unreadable:
            break;
    }
    return res::FormatText(m_text(kScriptUnreadable), {m_strScript});
}

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
                                       const std::string& systemName, std::istream& in,
                                       std::ostream& out, std::ostream& err) {
    const bool any = m_pList->parsed() || m_pMenu->parsed() || m_pInvoke->parsed() ||
                     m_pTasks->parsed() || m_pRunTask->parsed();
    if (!any) return std::nullopt;
    const std::string folder = UpperText(m_strFolder);
    const std::string system = UpperText(systemName);
    std::string error;
    auto console = ConsoleRun::Start(stateRoot, system, error);
    if (!console) {
        err << "ptpctl: " << (error.empty() ? res::FormatText(m_text(kNoSystem), {system}) : error)
            << '\n';
        return 1;
    }
    session::Failure failure;
    auto fail = [&](const std::string& why) {
        err << "ptpctl: " << res::FormatText(m_text(kFailed), {why}) << '\n';
        return 1;
    };
    session::PluginSession& plugin = console->Session();

    if (m_pList->parsed()) {
        auto listing = plugin.ListFolder(system, folder, failure);
        if (!listing) return fail(failure.text);
        out << "Item";
        for (const auto& column : listing->columns)
            out << '\t' << column.heading;
        out << '\n';
        for (const auto& row : listing->rows) {
            out << PrintableText(row.itemId);
            for (const auto& cell : row.cells)
                out << '\t' << cell;
            out << '\n';
        }
        return 0;
    }
    if (m_pMenu->parsed()) {
        const UINT flags = m_bDefault ? session::kMenuDefaultOnly
                           : m_bNew   ? session::kMenuNewObjects
                                      : session::kMenuObjects;
        HRESULT result = S_OK;
        auto lines = plugin.Menu(system, folder, m_items, flags, result, failure);
        if (!lines) return fail(failure.text);
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
        auto tasks = plugin.Tasks(system, folder, failure);
        if (!tasks) return fail(failure.text);
        for (const auto& task : *tasks)
            out << task.id << '\t' << task.title << '\t' << task.iconId << '\t' << task.description
                << '\n';
        return 0;
    }

    ScriptProblem problem;
    const auto script = ScriptText(m_strScript, m_answers, in, problem);
    if (!script) return fail(ScriptProblemText(problem));
    const auto outcome = console->PlayAndPrint(
        *script,
        [&](std::string& why) {
            const auto hr = m_pInvoke->parsed()
                                ? plugin.Invoke(system, folder, m_items, m_strVerb, failure)
                                : plugin.RunTask(system, folder, m_nTaskId, failure);
            if (!hr) why = failure.text;
            return hr ? std::optional<long>(*hr) : std::nullopt;
        },
        out);
    if (!outcome.ran) return fail(outcome.error);
    return outcome.playedThrough && SUCCEEDED(static_cast<HRESULT>(outcome.result)) ? 0 : 1;
}

}  // namespace ptp::cli
