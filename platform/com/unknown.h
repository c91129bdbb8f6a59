#pragma once
// The base of every component interface, and the class factory.
#include "platform/com/guid.h"
#include "platform/com/hresult.h"

namespace ptp {

inline const IID IID_IUnknown = GuidFromString("{00000000-0000-0000-C000-000000000046}");
inline const IID IID_IClassFactory = GuidFromString("{00000001-0000-0000-C000-000000000046}");

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** ppv) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

  protected:
    ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** ppv) = 0;
    virtual HRESULT LockServer(BOOL lock) = 0;

  protected:
    ~IClassFactory() = default;
};

}  // namespace ptp
