#include "frame/point_to_point_ext_interfaces.h"

#include "frame/command_strings.h"
#include "frame/context_menu_builder.h"
#include "frame/point_to_point_command_runner.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/point_to_point_tasks.h"
#include "platform/framework/console_services.h"

namespace ptp::frame {

std::vector<CPointToPointProfile*>& PointToPointProfileList() {
    static std::vector<CPointToPointProfile*> profiles;
    return profiles;
}

HRESULT CPointToPointExtInterfaces::CreateInstance(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    auto* extension = new (std::nothrow) CPointToPointExtInterfaces();
    if (!extension) return E_OUTOFMEMORY;
    const HRESULT hr = extension->ExternalQueryInterface(riid, ppv);
    extension->ExternalRelease();
    return hr;
}

// The module stays loaded while any extension object lives.
CPointToPointExtInterfaces::CPointToPointExtInterfaces() {
    TheApp().State().com.Lock();
}

CPointToPointExtInterfaces::~CPointToPointExtInterfaces() {
    if (m_hProgIdKey) RegCloseKey(m_hProgIdKey);
    m_hProgIdKey = nullptr;
    m_pOwnedObject.reset();
    PointToPointProfileList().clear();
    TheApp().State().com.Unlock();
}

HRESULT CPointToPointExtInterfaces::ExternalQueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const std::pair<const IID*, IUnknown*> interfaceMap[] = {
        {&fw::IID_IShellExtInit, &m_xShellExtInit},
        {&fw::IID_IContextMenu, &m_xContextMenu},
        {&fw::IID_IShellPropSheetExt, &m_xShellPropSheetExt},
        {&fw::IID_IR8TasksManagerW, &m_xR8TasksManager},
    };
    // The object's identity is its first interface.
    if (riid == IID_IUnknown) {
        *ppv = interfaceMap[0].second;
        ExternalAddRef();
        return S_OK;
    }
    for (const auto& [iid, object] : interfaceMap) {
        if (*iid != riid) continue;
        *ppv = object;
        ExternalAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG CPointToPointExtInterfaces::ExternalAddRef() {
    return ++m_dwRef;
}

ULONG CPointToPointExtInterfaces::ExternalRelease() {
    const ULONG refs = --m_dwRef;
    if (refs == 0) delete this;
    return refs;
}

HRESULT CPointToPointExtInterfaces::Initialize(const fw::ITEMIDLIST* folder,
                                               fw::IDataObject* dataObject, HKEY progIdKey) {
    if (folder) {
        m_folderItemId.Set(folder);
        m_strFolderPath = fw::FolderPathFromItemIdList(folder);
    } else {
        m_strFolderPath.clear();
    }
    if (m_selection.IsAttached()) m_selection.Release();
    if (!m_selection.Attach(dataObject)) return E_FAIL;
    if (m_hProgIdKey) RegCloseKey(m_hProgIdKey);
    m_hProgIdKey = nullptr;
    if (progIdKey) {
        HKEY reopened = nullptr;
        if (fw::ConsoleServices().OpenKey(progIdKey, "", MAXIMUM_ALLOWED, &reopened) ==
            ERROR_SUCCESS) {
            m_hProgIdKey = reopened;
        }
    }
    return S_OK;
}

bool CPointToPointExtInterfaces::AppendMenuCommand(std::uint32_t word) {
    if (m_nMenuCommands >= m_menuCommands.size()) return false;
    m_menuCommands[m_nMenuCommands++] = word;
    return true;
}

host::ICommandConnection* CPointToPointExtInterfaces::CommandConnection(std::string_view server) {
    if (m_pCommandConnection && m_strCommandServer == server) return m_pCommandConnection.get();
    host::IHost* host = host::GetHost();
    if (!host) return nullptr;
    int status = 0;
    auto connection = host->Commands().OpenConnection(server, 1, status);
    if (!connection || status == 0) return nullptr;
    m_pCommandConnection = std::move(connection);
    m_strCommandServer = std::string(server);
    return m_pCommandConnection.get();
}

long CPointToPointExtInterfaces::ReadSelection(const CPointToPointSelection::Visitor& visit) {
    return CPointToPointSelection::Walk(m_selection, m_current, visit);
}

// ---------------------------------------------------------------------------------------------
// The nested interface objects. Each method runs inside the module's state.

template <typename Interface>
HRESULT CPointToPointExtInterfaces::CNestedInterface<Interface>::QueryInterface(REFIID riid,
                                                                                void** ppv) {
    fw::ModuleStateScope scope(TheApp().State());
    return m_owner.ExternalQueryInterface(riid, ppv);
}

template <typename Interface>
ULONG CPointToPointExtInterfaces::CNestedInterface<Interface>::AddRef() {
    fw::ModuleStateScope scope(TheApp().State());
    return m_owner.ExternalAddRef();
}

template <typename Interface>
ULONG CPointToPointExtInterfaces::CNestedInterface<Interface>::Release() {
    fw::ModuleStateScope scope(TheApp().State());
    return m_owner.ExternalRelease();
}

template class CPointToPointExtInterfaces::CNestedInterface<fw::IShellExtInit>;
template class CPointToPointExtInterfaces::CNestedInterface<fw::IContextMenu>;
template class CPointToPointExtInterfaces::CNestedInterface<fw::IShellPropSheetExt>;
template class CPointToPointExtInterfaces::CNestedInterface<fw::IR8TasksManagerW>;

HRESULT CPointToPointExtInterfaces::XShellExtInit::Initialize(const fw::ITEMIDLIST* folder,
                                                              fw::IDataObject* dataObject,
                                                              HKEY progIdKey) {
    fw::ModuleStateScope scope(TheApp().State());
    return m_owner.Initialize(folder, dataObject, progIdKey);
}

HRESULT CPointToPointExtInterfaces::XContextMenu::QueryContextMenu(fw::HMENU menu, UINT indexMenu,
                                                                   UINT idCmdFirst, UINT idCmdLast,
                                                                   UINT flags) {
    fw::ModuleStateScope scope(TheApp().State());
    CPointToPointContextMenuBuilder builder(m_owner);
    return builder.Build(menu, indexMenu, idCmdFirst, idCmdLast, flags);
}

HRESULT CPointToPointExtInterfaces::XContextMenu::InvokeCommand(fw::CMINVOKECOMMANDINFO* info) {
    fw::ModuleStateScope scope(TheApp().State());
    CPointToPointCommandRunner runner(m_owner);
    return runner.Invoke(info);
}

HRESULT CPointToPointExtInterfaces::XContextMenu::GetCommandString(std::uintptr_t idCmd, UINT type,
                                                                   UINT*, char* name, UINT cchMax) {
    fw::ModuleStateScope scope(TheApp().State());
    return GetMenuCommandString(m_owner.MenuCommandTable(), idCmd, type, name, cchMax);
}

// The plug-in shows its properties in sheets of its own and adds no pages to the console's.
HRESULT CPointToPointExtInterfaces::XShellPropSheetExt::AddPages(fw::LPFNADDPROPSHEETPAGE, LPARAM) {
    fw::ModuleStateScope scope(TheApp().State());
    return E_NOTIMPL;
}

HRESULT CPointToPointExtInterfaces::XShellPropSheetExt::ReplacePage(UINT, fw::LPFNADDPROPSHEETPAGE,
                                                                    LPARAM) {
    fw::ModuleStateScope scope(TheApp().State());
    return E_NOTIMPL;
}

HRESULT CPointToPointExtInterfaces::XR8TasksManager::GetTasks(UINT requestFlags,
                                                              std::vector<fw::R8Task>* tasks) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!tasks) return E_POINTER;
    CPointToPointTasks taskList(m_owner);
    return taskList.GetTasks(requestFlags, *tasks);
}

HRESULT CPointToPointExtInterfaces::XR8TasksManager::RunTask(UINT taskId, HWND parent) {
    fw::ModuleStateScope scope(TheApp().State());
    CPointToPointTasks taskList(m_owner);
    return taskList.RunTask(taskId, parent);
}

}  // namespace ptp::frame
