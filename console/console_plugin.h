#pragma once
// The plug-in as the web console shows it: its folders with their rows, its context menus, its
// commands and tasks, through the same session ptpctl uses (console/session). Every method
// runs on the UI thread. The window messages the plug-in sends reach the web driver (refresh and
// status text), and the console views it asks for become a navigation the browser follows.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "console/console_error.h"
#include "console/console_request.h"
#include "platform/com/hresult.h"

namespace ptp::host {
class InProcessHost;
}
namespace ptp::res {
class ResourceModule;
}
namespace ptp::session {
class PluginSession;
struct NavigationRequest;
}  // namespace ptp::session

namespace ptp::console {

using Json = nlohmann::json;

class WebDriver;

// A console view the plug-in asked for, as the browser's address names it.
struct ConsoleNavigation {
    std::uint64_t serial = 0;  // grows with every request, so the browser follows each once
    std::string system;
    std::string view;  // "jobs", "job" or "spool"
    std::string argument;
    std::string title;
};

// Where the plug-in's request to open a console view leads in this console; no value for views
// this console does not have.
[[nodiscard]] std::optional<ConsoleNavigation> NavigationOf(
    const session::NavigationRequest& request);

class ConsolePlugin {
  public:
    ConsolePlugin(host::InProcessHost& host, std::shared_ptr<res::ResourceModule> resources,
                  std::filesystem::path pluginPath, WebDriver& driver);
    ~ConsolePlugin();
    ConsolePlugin(const ConsolePlugin&) = delete;
    ConsolePlugin& operator=(const ConsolePlugin&) = delete;

    // Registers the plug-in in the console's registry and installs the console's services.
    [[nodiscard]] Result<bool> Start();

    // {"columns": [{"text", "width"}], "rows": [{"id", "cells"}]}; every listing reads the
    // server again, unless a command of the plug-in is still running.
    [[nodiscard]] Result<Json> Folder(const SelectionRequest& request);
    // {"entries": [{"text", "verb", "greyed", "default", "checked", "radio", "popup"|"separator"}]}
    [[nodiscard]] Result<Json> Menu(const MenuRequest& request);
    [[nodiscard]] Result<Json> Invoke(const InvokeRequest& request);
    // {"tasks": [{"id", "title", "description", "icon"}]}
    [[nodiscard]] Result<Json> Tasks(const SelectionRequest& request);
    [[nodiscard]] Result<Json> RunTask(const TaskRequest& request);

    // The last console view the plug-in asked for: {"serial", "system", "view", "arg", "title"}.
    [[nodiscard]] Json NavigationJson() const;

  private:
    // Guards a call into the plug-in: a second one while the first waits in a dialog would pull
    // the first one's objects from under it.
    [[nodiscard]] Result<bool> Enter();
    [[nodiscard]] Result<std::vector<std::string>> ItemNames(const SelectionRequest& request) const;
    [[nodiscard]] HRESULT Navigate(const session::NavigationRequest& request);

    std::unique_ptr<session::PluginSession> m_pSession;
    host::InProcessHost& m_host;
    WebDriver& m_driver;
    int m_nCalls = 0;
    ConsoleNavigation m_navigation;
};

}  // namespace ptp::console
