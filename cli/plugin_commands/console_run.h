#pragma once
// One ptpctl run of a console without windows on one system: the host, the plug-in session with
// its console bridge, and the script the user's part is played from. What happened is printed
// as JSON: the dialogs with their pages and the message boxes, the commands and the object
// commits the server received, the window messages and the console navigation.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/session/plugin_session.h"
#include "host/in_process_host.h"

namespace ptp::cli {

class ConsoleRun {
  public:
    ~ConsoleRun();

    // Opens system `systemName` of the state folder, installs the host and loads the plug-in
    // registered in the state folder's registry. Null when the system is not there, or with the
    // reason in `error` when the plug-in cannot be loaded.
    static std::unique_ptr<ConsoleRun> Start(const std::filesystem::path& stateRoot,
                                             const std::string& systemName, std::string& error);

    [[nodiscard]] host::InProcessHost& Host() { return *m_pHost; }
    [[nodiscard]] session::PluginSession& Session() { return *m_pSession; }
    [[nodiscard]] const std::string& SystemName() const { return m_strSystemName; }

    struct Outcome {
        bool ran = false;  // the command could run; otherwise `error` says why
        // No step failed or was refused, no dialog was left open at the script's end and every
        // dialog the script names opened.
        bool playedThrough = false;
        long result = 0;
        std::string error;
    };
    // Plays `script` (the driver's JSON) while `run` runs, then prints the transcript as JSON on
    // `out`. `run` gives the command's result, or nothing after setting the error.
    Outcome PlayAndPrint(const std::string& script,
                         const std::function<std::optional<long>(std::string& error)>& run,
                         std::ostream& out);

  private:
    ConsoleRun() = default;

    std::unique_ptr<host::InProcessHost> m_pHost;
    std::unique_ptr<session::PluginSession> m_pSession;
    host::IServerSession* m_pServer = nullptr;
    std::string m_strSystemName;
};

// The script file name that stands for standard input.
inline constexpr const char* kScriptFromInput = "-";

struct ScriptProblem {
    enum class Kind { Unreadable, NotJson, NotAnObject };
    Kind kind = Kind::Unreadable;
    std::size_t byte = 0;  // NotJson: where the parser gave up
};

// The script to play: the file's (none for an empty name, `in` for "-"), with the message box
// answers given on the command line added after its own; nothing, with the reason in `problem`,
// when it cannot be read or is not a JSON object.
std::optional<std::string> ScriptText(const std::string& file,
                                      const std::vector<std::string>& answers, std::istream& in,
                                      ScriptProblem& problem);

std::string UpperText(std::string text);
// Control characters (as item ids hold them) written so a terminal shows them.
std::string PrintableText(const std::string& text);

}  // namespace ptp::cli
