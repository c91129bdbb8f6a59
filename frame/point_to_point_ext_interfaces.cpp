#include "frame/point_to_point_ext_interfaces.h"

#include "frame/point_to_point_ext_app.h"
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

// The menu, its commands and the tasks arrive with the list data of the folders; until then the
// console is told plainly that there is nothing.
HRESULT CPointToPointExtInterfaces::XContextMenu::QueryContextMenu(fw::HMENU, UINT, UINT, UINT,
                                                                   UINT) {
    fw::ModuleStateScope scope(TheApp().State());
    return E_NOTIMPL;
}

HRESULT CPointToPointExtInterfaces::XContextMenu::InvokeCommand(fw::CMINVOKECOMMANDINFO*) {
    fw::ModuleStateScope scope(TheApp().State());
    return E_NOTIMPL;
}

HRESULT CPointToPointExtInterfaces::XContextMenu::GetCommandString(std::uintptr_t, UINT, UINT*,
                                                                   char* name, UINT cchMax) {
    fw::ModuleStateScope scope(TheApp().State());
    if (name && cchMax > 0) name[0] = '\0';
    return E_NOTIMPL;
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

HRESULT CPointToPointExtInterfaces::XR8TasksManager::GetTasks(UINT,
                                                              std::vector<fw::R8Task>* tasks) {
    fw::ModuleStateScope scope(TheApp().State());
    if (tasks) tasks->clear();
    return E_NOTIMPL;
}

HRESULT CPointToPointExtInterfaces::XR8TasksManager::RunTask(UINT, HWND) {
    fw::ModuleStateScope scope(TheApp().State());
    return E_NOTIMPL;
}

}  // namespace ptp::frame
