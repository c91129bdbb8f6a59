#include "platform/com/com_module.h"

#include <dlfcn.h>

#include "platform/com/class_factory.h"
#include "platform/com/registry.h"

namespace ptp {
namespace {

// Creates `path` below HKEY_CLASSES_ROOT and sets its default value.
bool WriteDefault(const std::string& path, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, path, KEY_WRITE, &key) != ERROR_SUCCESS) return false;
    const bool ok = RegSetValueEx(key, "", value) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

}  // namespace

void ComModule::AddFactory(ClassFactory& factory) {
    m_factories.push_back(&factory);
}

void ComModule::RemoveFactory(const ClassFactory& factory) {
    std::erase(m_factories, &factory);
}

HRESULT ComModule::GetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    for (ClassFactory* factory : m_factories) {
        if (factory->ClassId() == clsid) return factory->QueryInterface(riid, ppv);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ComModule::CanUnloadNow() const {
    return m_nObjects == 0 && m_nLocks == 0 ? S_OK : S_FALSE;
}

HRESULT ComModule::RegisterServer(const std::string& libraryPath) const {
    bool ok = true;
    for (const ClassFactory* factory : m_factories) {
        const std::string clsid = FormatGuid(factory->ClassId());
        const std::string classKey = "CLSID\\" + clsid;
        ok = WriteDefault(classKey, factory->ProgId()) && ok;
        ok = WriteDefault(classKey + "\\InprocServer32", libraryPath) && ok;
        ok = WriteDefault(classKey + "\\ProgID", factory->ProgId()) && ok;
        ok = WriteDefault(factory->ProgId() + "\\CLSID", clsid) && ok;
    }
    return ok ? S_OK : E_FAIL;
}

std::string LibraryPathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) return {};
    return info.dli_fname;
}

}  // namespace ptp
