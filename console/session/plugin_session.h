#pragma once
// A console without windows: it loads the plug-in through the registry, opens the plug-in's
// folders with their list data, selects items, builds context menus, runs commands and tasks,
// exactly through the interfaces a console uses. ptpctl and the plug-in's tests run on it.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/session/console_bridge.h"
#include "console/session/session_failure.h"
#include "platform/com/loader.h"
#include "platform/framework/console_menu.h"
#include "platform/framework/folder_data.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::session {

struct FolderListing {
    std::vector<fw::FolderColumn> columns;
    HRESULT countResult = S_OK;
    struct Row {
        std::string itemId;  // the item id's text
        std::string name;
        std::vector<std::string> cells;  // one per column
    };
    std::vector<Row> rows;
};

struct MenuLine {
    int depth = 0;
    std::string verb;
    std::string text;
    bool greyed = false;
    bool isDefault = false;
    bool checked = false;
    bool radio = false;  // checked as one of a group
    bool popup = false;
    bool separator = false;
};

// The menu kind flags of QueryContextMenu.
inline constexpr UINT kMenuDefaultOnly = 0x1;
inline constexpr UINT kMenuNewObjects = 0x10000;
inline constexpr UINT kMenuObjects = 0x40000;

class PluginSession {
  public:
    // `pluginPath` is registered in the current registry folder on Start.
    PluginSession(host::IHost& host, std::shared_ptr<res::ResourceModule> resources,
                  std::string pluginPath);
    ~PluginSession();
    PluginSession(const PluginSession&) = delete;
    PluginSession& operator=(const PluginSession&) = delete;

    bool Start(Failure& failure);
    [[nodiscard]] ConsoleBridge& Bridge() { return m_bridge; }

    // Folder types: "NPF", "NRC", "NMD", "NGP" (list data) and "NPP" (the container).
    std::optional<FolderListing> ListFolder(const std::string& system, const std::string& folder,
                                            Failure& failure);
    // Selects `items` (names as the folder lists them, any case; none selects the folder) and
    // builds the menu of kind `flags`. The result of QueryContextMenu is in `result`.
    std::optional<std::vector<MenuLine>> Menu(const std::string& system, const std::string& folder,
                                              const std::vector<std::string>& items, UINT flags,
                                              HRESULT& result, Failure& failure);
    // Builds the menu a console shows for the selection, then runs `verb` from it and gives
    // InvokeCommand's result (E_FAIL for a verb that is not on the menu or greyed).
    std::optional<HRESULT> Invoke(const std::string& system, const std::string& folder,
                                  const std::vector<std::string>& items, const std::string& verb,
                                  Failure& failure);
    std::optional<std::vector<fw::R8Task>> Tasks(const std::string& system,
                                                 const std::string& folder, Failure& failure);
    std::optional<HRESULT> RunTask(const std::string& system, const std::string& folder,
                                   UINT taskId, Failure& failure);

    // Forgets the folders opened so far; the next use opens and loads them again.
    void CloseFolders();
    // The context menu of the last selection (after Menu or Invoke); the session keeps it.
    [[nodiscard]] fw::IContextMenu* ContextMenu();
    // The list data of a folder opened by this session, or null.
    [[nodiscard]] fw::IFolderData* FolderData(const std::string& system, const std::string& folder);

  private:
    struct OpenFolder;
    // A failure with resource text `id`, formatted with `args`.
    [[nodiscard]] Failure Fail(FailureKind kind, std::uint32_t id,
                               const std::vector<std::string>& args) const;
    // The folder's list data, opened and loaded on first use.
    OpenFolder* Folder(const std::string& system, const std::string& folder, Failure& failure);
    // A new extension object initialised with the selection; null after setting `failure`.
    fw::IShellExtInit* Select(const std::string& system, const std::string& folder,
                              const std::vector<std::string>& items, Failure& failure);
    void ReleaseExtension();
    // The task interface of a new extension object for the folder; the caller releases it.
    fw::IR8TasksManagerW* TasksOf(const std::string& system, const std::string& folder,
                                  Failure& failure);

    host::IHost& m_host;
    ConsoleBridge m_bridge;
    std::string m_strPluginPath;
    ComLoader m_loader;
    std::map<std::string, std::unique_ptr<OpenFolder>> m_folders;
    std::unique_ptr<class ConsoleDataObject> m_pDataObject;
    fw::IShellExtInit* m_pExtension = nullptr;
    fw::IContextMenu* m_pContextMenu = nullptr;
};

}  // namespace ptp::session
