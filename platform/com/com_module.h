#pragma once
// The state every in-process server keeps: its class factories, the count of objects it handed
// out and the locks its clients hold. Each loadable library owns one instance; the unload
// question (DllCanUnloadNow) is answered from it.
#include <atomic>
#include <string>
#include <vector>

#include "platform/com/unknown.h"

namespace ptp {

class ClassFactory;

class ComModule {
  public:
    ComModule() = default;
    ComModule(const ComModule&) = delete;
    ComModule& operator=(const ComModule&) = delete;

    // Factories stay owned by the caller and must outlive the module's use of them.
    void AddFactory(ClassFactory& factory);
    void RemoveFactory(const ClassFactory& factory);
    [[nodiscard]] const std::vector<ClassFactory*>& Factories() const { return m_factories; }

    // The factory of `clsid`, asked for `riid`; CLASS_E_CLASSNOTAVAILABLE for another class.
    HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** ppv);

    // Live component objects (list data and the like).
    void ObjectCreated() { ++m_nObjects; }
    void ObjectDestroyed() { --m_nObjects; }
    // Locks taken by LockServer, by held factories and by objects that keep the module loaded.
    void Lock() { ++m_nLocks; }
    void Unlock() { --m_nLocks; }

    [[nodiscard]] long ObjectCount() const { return m_nObjects; }
    [[nodiscard]] long LockCount() const { return m_nLocks; }
    // S_OK only with no object and no lock outstanding, else S_FALSE.
    [[nodiscard]] HRESULT CanUnloadNow() const;

    // Writes class id, program id and `libraryPath` of every factory into the registry. The
    // first failing write gives E_FAIL; the others are still attempted.
    HRESULT RegisterServer(const std::string& libraryPath) const;

  private:
    std::vector<ClassFactory*> m_factories;
    std::atomic<long> m_nObjects{0};
    std::atomic<long> m_nLocks{0};
};

// The file of the loaded library that contains `address` (a function of that library), or empty.
[[nodiscard]] std::string LibraryPathOf(const void* address);

}  // namespace ptp
