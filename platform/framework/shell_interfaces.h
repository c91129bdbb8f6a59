#pragma once
// The interfaces through which the console calls an extension object: initialisation with the
// selection, the context menu, property-sheet pages and tasks.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/registry.h"
#include "platform/com/unknown.h"
#include "platform/com/wintypes.h"
#include "platform/framework/item_id.h"

namespace ptp::fw {

inline const IID IID_IDataObject = GuidFromString("{0000010E-0000-0000-C000-000000000046}");
inline const IID IID_IShellExtInit = GuidFromString("{000214E8-0000-0000-C000-000000000046}");
inline const IID IID_IContextMenu = GuidFromString("{000214E4-0000-0000-C000-000000000046}");
inline const IID IID_IShellPropSheetExt = GuidFromString("{000214E9-0000-0000-C000-000000000046}");
inline const IID IID_IR8TasksManagerW = GuidFromString("{853C682A-1179-47EB-8BA7-C32F8617033E}");

// The console's data object for a selection; the plug-in reads it through CSelectionHolder.
struct IDataObject : IUnknown {
  protected:
    ~IDataObject() = default;
};

struct IShellExtInit : IUnknown {
    // `folder` is null unless the menu is for a folder itself; `progIdKey` is the registry key
    // of the class the console created.
    virtual HRESULT Initialize(const ITEMIDLIST* folder, IDataObject* dataObject,
                               HKEY progIdKey) = 0;

  protected:
    ~IShellExtInit() = default;
};

// A menu of the console; entries are inserted by position.
struct HMENU__;
using HMENU = HMENU__*;

// QueryContextMenu flags.
inline constexpr UINT CMF_DEFAULTONLY = 0x1;
inline constexpr UINT CMF_VERBSONLY = 0x2;
// GetCommandString kinds: the verb, the help text, whether the command can run.
inline constexpr UINT GCS_VERBW = 4;
inline constexpr UINT GCS_HELPTEXTW = 5;
inline constexpr UINT GCS_VALIDATEW = 6;

struct CMINVOKECOMMANDINFO {
    DWORD cbSize = sizeof(CMINVOKECOMMANDINFO);
    DWORD fMask = 0;
    HWND hwnd = nullptr;  // the console window to report back to
    // Either a menu offset (a value below 0x10000, see MakeVerbOffset) or a verb text.
    const char* lpVerb = nullptr;
    const char* lpParameters = nullptr;
    const char* lpDirectory = nullptr;
    int nShow = 0;
};

[[nodiscard]] inline const char* MakeVerbOffset(UINT offset) {
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(offset & 0xFFFFu));
}
[[nodiscard]] inline bool IsVerbOffset(const char* verb) {
    return (reinterpret_cast<std::uintptr_t>(verb) >> 16) == 0;
}
[[nodiscard]] inline UINT VerbOffset(const char* verb) {
    return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(verb) & 0xFFFFu);
}

struct IContextMenu : IUnknown {
    virtual HRESULT QueryContextMenu(HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast,
                                     UINT flags) = 0;
    virtual HRESULT InvokeCommand(CMINVOKECOMMANDINFO* info) = 0;
    // Texts are UTF-8; `name` receives at most `cchMax` - 1 characters and a NUL.
    virtual HRESULT GetCommandString(std::uintptr_t idCmd, UINT type, UINT* reserved, char* name,
                                     UINT cchMax) = 0;

  protected:
    ~IContextMenu() = default;
};

struct HPROPSHEETPAGE__;
using HPROPSHEETPAGE = HPROPSHEETPAGE__*;
using LPFNADDPROPSHEETPAGE = BOOL (*)(HPROPSHEETPAGE page, LPARAM lParam);

struct IShellPropSheetExt : IUnknown {
    virtual HRESULT AddPages(LPFNADDPROPSHEETPAGE addPage, LPARAM lParam) = 0;
    virtual HRESULT ReplacePage(UINT pageId, LPFNADDPROPSHEETPAGE replacePage, LPARAM lParam) = 0;

  protected:
    ~IShellPropSheetExt() = default;
};

// One entry of a folder's task pad.
struct R8Task {
    UINT id = 0;
    std::string title;
    std::string description;
    UINT iconId = 0;
};

// Bit 0 of the GetTasks request: the console wants the folder's creation tasks.
inline constexpr UINT R8TASK_REQUEST_CREATE = 0x1;

struct IR8TasksManagerW : IUnknown {
    virtual HRESULT GetTasks(UINT requestFlags, std::vector<R8Task>* tasks) = 0;
    virtual HRESULT RunTask(UINT taskId, HWND parent) = 0;

  protected:
    ~IR8TasksManagerW() = default;
};

}  // namespace ptp::fw
