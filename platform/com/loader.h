#pragma once
// Loads in-process servers the way a console does: the class id names a library in the registry,
// the library is opened, its DllGetClassObject gives the factory, the factory the object. A
// library is closed again only when its DllCanUnloadNow agrees.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/unknown.h"

namespace ptp {

// The entry points every in-process server exports with C linkage.
using DllGetClassObjectFunction = HRESULT (*)(REFCLSID clsid, REFIID iid, void** ppv);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();

inline constexpr HRESULT CO_E_DLLNOTFOUND = static_cast<HRESULT>(0x800401F8u);
inline constexpr HRESULT CO_E_ERRORINDLL = static_cast<HRESULT>(0x800401F9u);

// One registration as the registry holds it.
struct RegisteredClass {
    CLSID clsid;
    std::string progId;
    std::string libraryPath;
};

class ComLoader {
  public:
    ComLoader() = default;
    // Closes the libraries that agree to unload; the others stay loaded with the process.
    ~ComLoader();
    ComLoader(const ComLoader&) = delete;
    ComLoader& operator=(const ComLoader&) = delete;

    HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** ppv);
    // The factory is released again right after it made the object.
    HRESULT CreateInstance(REFCLSID clsid, REFIID riid, void** ppv);
    // Asks every loaded library whether it can go and closes those that say S_OK.
    std::size_t FreeUnusedLibraries();
    // The answer of the loaded library at `path`; E_FAIL when it is not loaded.
    HRESULT CanUnloadNow(const std::string& path);
    [[nodiscard]] bool IsLoaded(const std::string& path) const;
    // Why the last failing call failed, for the console's log.
    [[nodiscard]] const std::string& LastError() const { return m_strLastError; }

    // Opens the library at `path`, runs its DllRegisterServer and closes it again if it can go.
    static HRESULT RegisterServer(const std::string& path, std::string* error);
    // Every class registered with an in-process server path, in class-id order.
    [[nodiscard]] static std::vector<RegisteredClass> RegisteredClasses();
    [[nodiscard]] static std::optional<std::string> LibraryPathOf(REFCLSID clsid);

  private:
    void* Load(const std::string& path);

    std::map<std::string, void*> m_libraries;
    std::string m_strLastError;
};

}  // namespace ptp
