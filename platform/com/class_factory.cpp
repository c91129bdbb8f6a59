#include "platform/com/class_factory.h"

namespace ptp {

ClassFactory::ClassFactory(ComModule& module, const CLSID& clsid, std::string progId,
                           CreateFunction create)
    : m_module(module), m_clsid(clsid), m_strProgId(std::move(progId)), m_pfnCreate(create) {
    m_module.AddFactory(*this);
}

HRESULT ClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG ClassFactory::AddRef() {
    const ULONG refs = ++m_nRefs;
    if (refs == 1) m_module.Lock();
    return refs;
}

ULONG ClassFactory::Release() {
    if (m_nRefs == 0) return 0;
    const ULONG refs = --m_nRefs;
    if (refs == 0) m_module.Unlock();
    return refs;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return m_pfnCreate(riid, ppv);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        m_module.Lock();
    } else {
        m_module.Unlock();
    }
    return S_OK;
}

}  // namespace ptp
