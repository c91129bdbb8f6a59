#pragma once
// ptpctl's console operations on the plug-in: list a folder, show a menu, run a command or a
// task, each through the plug-in's own interfaces as the console calls them. Commands and tasks
// play their dialogs and message boxes from a script and print the transcript as JSON.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ptp::cli {

struct ScriptProblem;

class PluginCommands {
  public:
    using TextFunction = std::function<std::string(std::uint32_t id)>;

    // Adds the subcommands list, menu, invoke, tasks and run-task to `app`.
    PluginCommands(CLI::App& app, TextFunction text);

    // Runs the subcommand that was parsed and gives the exit status; none when the command line
    // named none of these.
    // A script named "-" is read from `in`.
    std::optional<int> Run(const std::filesystem::path& stateRoot, const std::string& system,
                           std::istream& in, std::ostream& out, std::ostream& err);

  private:
    [[nodiscard]] std::string ScriptProblemText(const ScriptProblem& problem) const;

    CLI::App* m_pList = nullptr;
    CLI::App* m_pMenu = nullptr;
    CLI::App* m_pInvoke = nullptr;
    CLI::App* m_pTasks = nullptr;
    CLI::App* m_pRunTask = nullptr;
    TextFunction m_text;
    std::string m_strFolder;
    std::string m_strVerb;
    std::vector<std::string> m_items;
    bool m_bNew = false;
    bool m_bDefault = false;
    std::string m_strScript;
    std::vector<std::string> m_answers;
    unsigned m_nTaskId = 0;
};

}  // namespace ptp::cli
