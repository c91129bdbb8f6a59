// An in-process server with one class whose objects only count themselves, for the loader tests.
#include <atomic>

#include "platform/com/class_factory.h"
#include "platform/com/com_module.h"

namespace {

const ptp::CLSID kCounterClass = ptp::GuidFromString("{5A1D3E70-0C47-4B2B-9F0E-2B7C9A300001}");

ptp::ComModule& Module() {
    static ptp::ComModule module;
    return module;
}

class Counter final : public ptp::IUnknown {
  public:
    Counter() { Module().ObjectCreated(); }
    ~Counter() { Module().ObjectDestroyed(); }
    ptp::HRESULT QueryInterface(ptp::REFIID riid, void** ppv) override {
        if (riid != ptp::IID_IUnknown) return ptp::E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return ptp::S_OK;
    }
    ptp::ULONG AddRef() override { return ++m_refs; }
    ptp::ULONG Release() override {
        const ptp::ULONG refs = --m_refs;
        if (refs == 0) delete this;
        return refs;
    }

  private:
    std::atomic<ptp::ULONG> m_refs{1};
};

ptp::HRESULT CreateCounter(ptp::REFIID riid, void** ppv) {
    auto* counter = new Counter();
    const ptp::HRESULT hr = counter->QueryInterface(riid, ppv);
    counter->Release();
    return hr;
}

ptp::ClassFactory& Factory() {
    static ptp::ClassFactory factory(Module(), kCounterClass, "Test.Counter", &CreateCounter);
    return factory;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) ptp::HRESULT DllGetClassObject(
    ptp::REFCLSID clsid, ptp::REFIID riid, void** ppv) {
    Factory();
    return Module().GetClassObject(clsid, riid, ppv);
}

extern "C" __attribute__((visibility("default"))) ptp::HRESULT DllCanUnloadNow() {
    return Module().CanUnloadNow();
}

extern "C" __attribute__((visibility("default"))) ptp::HRESULT DllRegisterServer() {
    Factory();
    return Module().RegisterServer(
        ptp::LibraryPathOf(reinterpret_cast<const void*>(&DllRegisterServer)));
}
