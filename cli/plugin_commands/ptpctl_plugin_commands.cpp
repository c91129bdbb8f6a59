#include "cli/plugin_commands/ptpctl_plugin_commands.h"

#include <istream>
#include <ostream>

#include "cli/plugin_commands/console_run.h"
#include "resources/ids/ptpctl_plugin.h"

namespace ptp::cli {

std::string PluginCommands::ScriptProblemText(const ScriptProblem& problem) const {
    switch (problem.kind) {
        case ScriptProblem::Kind::NotJson:
            return res::FormatText(m_text(IDS_PTPCTL_PLUGIN_SCRIPT_NOT_JSON),
                                   {m_strScript, std::to_string(problem.byte)});
        case ScriptProblem::Kind::NotAnObject:
            return res::FormatText(m_text(IDS_PTPCTL_PLUGIN_SCRIPT_NOT_AN_OBJECT), {m_strScript});
        case ScriptProblem::Kind::Unreadable:
            break;
    }
    return res::FormatText(m_text(IDS_PTPCTL_PLUGIN_SCRIPT_UNREADABLE), {m_strScript});
}

PluginCommands::PluginCommands(CLI::App& app, TextFunction text) : m_text(std::move(text)) {
    m_pList = app.add_subcommand("list", m_text(IDS_PTPCTL_PLUGIN_LIST_HELP));
    m_pList->add_option("FOLDER", m_strFolder, m_text(IDS_PTPCTL_PLUGIN_FOLDER_HELP))->required();

    m_pMenu = app.add_subcommand("menu", m_text(IDS_PTPCTL_PLUGIN_MENU_HELP));
    m_pMenu->add_flag("--new", m_bNew, m_text(IDS_PTPCTL_PLUGIN_NEW_HELP));
    m_pMenu->add_flag("--default", m_bDefault, m_text(IDS_PTPCTL_PLUGIN_DEFAULT_HELP));
    m_pMenu->add_option("FOLDER", m_strFolder, m_text(IDS_PTPCTL_PLUGIN_FOLDER_HELP))->required();
    m_pMenu->add_option("ITEM", m_items, m_text(IDS_PTPCTL_PLUGIN_ITEMS_HELP));

    m_pInvoke = app.add_subcommand("invoke", m_text(IDS_PTPCTL_PLUGIN_INVOKE_HELP));
    m_pInvoke->add_option("VERB", m_strVerb, m_text(IDS_PTPCTL_PLUGIN_VERB_HELP))->required();
    m_pInvoke->add_option("FOLDER", m_strFolder, m_text(IDS_PTPCTL_PLUGIN_FOLDER_HELP))->required();
    m_pInvoke->add_option("ITEM", m_items, m_text(IDS_PTPCTL_PLUGIN_ITEMS_HELP));
    m_pInvoke->add_option("--script", m_strScript, m_text(IDS_PTPCTL_PLUGIN_SCRIPT_HELP));
    m_pInvoke->add_option("--answer", m_answers, m_text(IDS_PTPCTL_PLUGIN_ANSWER_HELP))
        ->check(CLI::IsMember({"yes", "no", "ok", "cancel"}));

    m_pTasks = app.add_subcommand("tasks", m_text(IDS_PTPCTL_PLUGIN_TASKS_HELP));
    m_pTasks->add_option("FOLDER", m_strFolder, m_text(IDS_PTPCTL_PLUGIN_FOLDER_HELP))->required();

    m_pRunTask = app.add_subcommand("run-task", m_text(IDS_PTPCTL_PLUGIN_RUN_TASK_HELP));
    m_pRunTask->add_option("FOLDER", m_strFolder, m_text(IDS_PTPCTL_PLUGIN_FOLDER_HELP))
        ->required();
    m_pRunTask->add_option("ID", m_nTaskId, m_text(IDS_PTPCTL_PLUGIN_TASK_ID_HELP))->required();
    m_pRunTask->add_option("--script", m_strScript, m_text(IDS_PTPCTL_PLUGIN_SCRIPT_HELP));
    m_pRunTask->add_option("--answer", m_answers, m_text(IDS_PTPCTL_PLUGIN_ANSWER_HELP))
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
        err << "ptpctl: "
            << (error.empty() ? res::FormatText(m_text(IDS_PTPCTL_PLUGIN_NO_SYSTEM), {system})
                              : error)
            << '\n';
        return 1;
    }
    session::Failure failure;
    auto fail = [&](const std::string& why) {
        err << "ptpctl: " << res::FormatText(m_text(IDS_PTPCTL_PLUGIN_FAILED), {why}) << '\n';
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
