#include "platform/com/loader.h"

#include <dlfcn.h>

#include "platform/com/registry.h"

namespace ptp {
namespace {

std::optional<std::string> ReadDefault(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string value;
    const LSTATUS status = RegQueryValueEx(key, "", &value);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

template <typename Function>
Function Symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

ComLoader::~ComLoader() {
    FreeUnusedLibraries();
}

void* ComLoader::Load(const std::string& path) {
    if (const auto it = m_libraries.find(path); it != m_libraries.end()) return it->second;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        m_strLastError = why ? why : path + ": cannot be loaded";
        return nullptr;
    }
    m_libraries.emplace(path, library);
    return library;
}

HRESULT ComLoader::GetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const auto path = LibraryPathOf(clsid);
    if (!path) {
        m_strLastError = FormatGuid(clsid) + " is not registered";
        return REGDB_E_CLASSNOTREG;
    }
    void* library = Load(*path);
    if (!library) return CO_E_DLLNOTFOUND;
    const auto get = Symbol<DllGetClassObjectFunction>(library, "DllGetClassObject");
    if (!get) {
        m_strLastError = *path + " has no DllGetClassObject";
        return CO_E_ERRORINDLL;
    }
    const HRESULT hr = get(clsid, riid, ppv);
    if (FAILED(hr)) m_strLastError = *path + " has no factory for " + FormatGuid(clsid);
    return hr;
}

HRESULT ComLoader::CreateInstance(REFCLSID clsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    IClassFactory* factory = nullptr;
    const HRESULT hr = GetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) return hr;
    const HRESULT created = factory->CreateInstance(nullptr, riid, ppv);
    factory->Release();
    return created;
}

std::size_t ComLoader::FreeUnusedLibraries() {
    std::size_t freed = 0;
    for (auto it = m_libraries.begin(); it != m_libraries.end();) {
        const auto canUnload = Symbol<DllCanUnloadNowFunction>(it->second, "DllCanUnloadNow");
        if (!canUnload || canUnload() != S_OK) {
            ++it;
            continue;
        }
        dlclose(it->second);
        it = m_libraries.erase(it);
        ++freed;
    }
    return freed;
}

HRESULT ComLoader::CanUnloadNow(const std::string& path) {
    const auto it = m_libraries.find(path);
    if (it == m_libraries.end()) return E_FAIL;
    const auto canUnload = Symbol<DllCanUnloadNowFunction>(it->second, "DllCanUnloadNow");
    return canUnload ? canUnload() : E_FAIL;
}

bool ComLoader::IsLoaded(const std::string& path) const {
    return m_libraries.contains(path);
}

HRESULT ComLoader::RegisterServer(const std::string& path, std::string* error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        if (error) *error = why ? why : path + ": cannot be loaded";
        return CO_E_DLLNOTFOUND;
    }
    const auto reg = Symbol<DllRegisterServerFunction>(library, "DllRegisterServer");
    if (!reg) {
        if (error) *error = path + " has no DllRegisterServer";
        dlclose(library);
        return CO_E_ERRORINDLL;
    }
    const HRESULT hr = reg();
    const auto canUnload = Symbol<DllCanUnloadNowFunction>(library, "DllCanUnloadNow");
    if (!canUnload || canUnload() == S_OK) dlclose(library);
    return hr;
}

std::vector<RegisteredClass> ComLoader::RegisteredClasses() {
    std::vector<RegisteredClass> classes;
    HKEY root = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &root) != ERROR_SUCCESS) {
        return classes;
    }
    std::string name;
    for (DWORD index = 0; RegEnumKey(root, index, &name) == ERROR_SUCCESS; ++index) {
        const auto clsid = ParseGuid(name);
        if (!clsid) continue;
        auto path = ReadDefault("CLSID\\" + name + "\\InprocServer32");
        if (!path) continue;
        classes.push_back(
            {*clsid, ReadDefault("CLSID\\" + name + "\\ProgID").value_or(""), std::move(*path)});
    }
    RegCloseKey(root);
    return classes;
}

std::optional<std::string> ComLoader::LibraryPathOf(REFCLSID clsid) {
    return ReadDefault("CLSID\\" + FormatGuid(clsid) + "\\InprocServer32");
}

}  // namespace ptp
