#pragma once
// "ptpctl ui open KIND [--new | --based-on NAME | NAME] --script FILE": shows one of the plug-in's
// sheets directly (for a new object when no name is given), plays the user's part from a script and
// prints what happened as JSON, as "invoke" does for commands.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ptp::cli {

class SheetCommands {
  public:
    using TextFunction =
        std::function<std::string(std::uint32_t id, const std::vector<std::string>& args)>;

    // Adds "ui open" to `app`.
    SheetCommands(CLI::App& app, TextFunction text);

    // Runs "ui open" when the command line named it and gives the exit status: 0 when the script
    // was played to the end.
    std::optional<int> Run(const std::filesystem::path& stateRoot, const std::string& system,
                           std::ostream& out, std::ostream& err);

  private:
    CLI::App* m_pOpen = nullptr;
    TextFunction m_text;
    std::string m_strKind;
    std::string m_strName;
    std::string m_strBasedOn;
    bool m_bNew = false;
    std::string m_strScript;
    std::vector<std::string> m_answers;
};

}  // namespace ptp::cli
