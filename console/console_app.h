#pragma once
// The console's operations as the browser asks for them. Each runs on the UI thread and answers
// with JSON or a ConsoleError; the HTTP layer only decodes requests and encodes these answers.
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "console/console_error.h"
#include "console/console_plugin.h"
#include "console/console_request.h"
#include "console/server_views.h"
#include "console/system_store.h"
#include "console/ui_thread.h"
#include "console/web_driver.h"

namespace ptp::host {
class InProcessHost;
}
namespace ptp::res {
class ResourceModule;
}

namespace ptp::console {

using Json = nlohmann::json;

struct ConsoleOptions {
    std::filesystem::path stateDir;
    std::filesystem::path webDir;
    // Where the resource library (libptpres.so) and the plug-in are found.
    std::filesystem::path libraryDir;
    std::string bindAddress = "127.0.0.1";
    int port = 0;
    bool demo = false;
};

class ConsoleApp {
  public:
    explicit ConsoleApp(ConsoleOptions options);
    ~ConsoleApp();
    ConsoleApp(const ConsoleApp&) = delete;
    ConsoleApp& operator=(const ConsoleApp&) = delete;

    // Reads the saved state and, with --demo, sets up the demo system on first run.
    [[nodiscard]] Result<bool> Start();
    void Stop();

    [[nodiscard]] const ConsoleOptions& Options() const { return m_options; }

    [[nodiscard]] Result<Json> GetState();
    // The texts the page shows, by number: {"texts": {"34100": "...", ...}}.
    [[nodiscard]] Result<Json> PageTexts() const;
    [[nodiscard]] Result<Json> AddSystem(const AddSystemRequest& request);
    [[nodiscard]] Result<Json> RemoveSystem(const SystemRequest& request);

    // The plug-in's side: folder rows, menus, commands, tasks and its dialogs.
    [[nodiscard]] Result<Json> Folder(const SelectionRequest& request);
    [[nodiscard]] Result<Json> Menu(const MenuRequest& request);
    [[nodiscard]] Result<Json> Invoke(const InvokeRequest& request);
    [[nodiscard]] Result<Json> Tasks(const SelectionRequest& request);
    [[nodiscard]] Result<Json> RunTask(const TaskRequest& request);
    [[nodiscard]] Result<Json> DialogAction(const DialogActionRequest& request);
    // The open dialogs move to the window that asks, as they are.
    [[nodiscard]] Result<Json> TakeOverDialog();

    // Runs `call` on the UI thread the way a call into the plug-in runs, and answers the
    // console's state, with the dialogs the call opened.
    [[nodiscard]] Result<Json> RunCall(std::function<void()> call);

    // The console's own views of a system.
    [[nodiscard]] Result<Json> Jobs(const ViewRequest& request);
    [[nodiscard]] Result<Json> Job(const ViewRequest& request);
    [[nodiscard]] Result<Json> Spool(const ViewRequest& request);
    [[nodiscard]] Result<Json> Connections(const ViewRequest& request);
    [[nodiscard]] Result<Json> CommandLog(const ViewRequest& request);
    [[nodiscard]] Result<Json> PacketRules(const ViewRequest& request);

  private:
    // Runs `operation` on the UI thread for the browser window of the request; a dialog it opens
    // makes the answer the console's state with the dialog, which that window then plays.
    [[nodiscard]] Result<Json> OnUi(std::function<Result<Json>()> operation);
    [[nodiscard]] Json StateJson() const;
    [[nodiscard]] Result<const SystemEntry*> FindSystem(const std::string& name) const;
    // Creates the system in the embedded server when it is new there, and lists it.
    [[nodiscard]] Result<bool> AddEmbeddedSystem(const SystemEntry& entry);
    [[nodiscard]] Result<Json> OnSystemView(const ViewRequest& request,
                                            Result<Json> (ServerViews::*view)(const std::string&,
                                                                              const std::string&));

    // Moves the job clock of every system once a second, so started profiles walk through their
    // phases while the administrator watches.
    void TickClocks();
    // The plug-in's operations answer with the console's state unless they have an answer of
    // their own.
    [[nodiscard]] Result<Json> OnPlugin(std::function<Result<Json>(ConsolePlugin&)> operation,
                                        const std::string& system);
    [[nodiscard]] Result<bool> StartPlugin();

    ConsoleOptions m_options;
    SystemStore m_store;
    std::unique_ptr<host::InProcessHost> m_pHost;
    std::unique_ptr<ServerViews> m_pViews;
    std::shared_ptr<res::ResourceModule> m_pResources;
    // Null when the plug-in could not be registered; `m_strPluginProblem` says why.
    std::unique_ptr<ConsolePlugin> m_pPlugin;
    std::string m_strPluginProblem;
    // Grows whenever a tick of the job clock changed the status of a profile, so the browser
    // reads the folders again while profiles start and stop.
    std::uint64_t m_nServerChanges = 0;
    std::map<std::string, std::string> m_profileStates;
    // Seconds the ticker counted that no tick on the UI thread has taken yet.
    std::atomic<long> m_nUntickedSeconds{0};
    std::thread m_ticker;
    std::mutex m_tickerMutex;
    std::condition_variable m_tickerWake;
    bool m_bStopping = false;
    UiThread m_ui;
    WebDriver m_driver{m_ui};
};

}  // namespace ptp::console
