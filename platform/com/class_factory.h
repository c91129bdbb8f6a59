#pragma once
// The class factory of one component class. There is exactly one factory object per class,
// created with its module; it hands out a new object for every CreateInstance.
#include <atomic>
#include <string>

#include "platform/com/com_module.h"
#include "platform/com/unknown.h"

namespace ptp {

class ClassFactory final : public IClassFactory {
  public:
    // Creates one object of the class and asks it for `riid`; the object reports itself to the
    // module it belongs to.
    using CreateFunction = HRESULT (*)(REFIID riid, void** ppv);

    ClassFactory(ComModule& module, const CLSID& clsid, std::string progId, CreateFunction create);
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;
    ~ClassFactory() { m_module.RemoveFactory(*this); }

    [[nodiscard]] const CLSID& ClassId() const { return m_clsid; }
    [[nodiscard]] const std::string& ProgId() const { return m_strProgId; }

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    // A factory held by a client keeps the module loaded, as a lock does.
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    HRESULT LockServer(BOOL lock) override;

  private:
    ComModule& m_module;
    CLSID m_clsid;
    std::string m_strProgId;
    CreateFunction m_pfnCreate;
    std::atomic<ULONG> m_nRefs{0};
};

}  // namespace ptp
