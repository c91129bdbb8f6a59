// The three entry points the console finds by name in libptpext.so; nothing else is exported.
#include "frame/point_to_point_ext_app.h"
#include "platform/com/com_module.h"
#include "platform/framework/module_state.h"

using ptp::HRESULT;

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(ptp::REFCLSID clsid,
                                                                            ptp::REFIID riid,
                                                                            void** ppv) {
    ptp::frame::EnsureStarted();
    ptp::fw::ModuleStateScope scope(ptp::frame::TheApp().State());
    return ptp::frame::TheApp().State().com.GetClassObject(clsid, riid, ppv);
}

extern "C" __attribute__((visibility("default"))) HRESULT DllCanUnloadNow() {
    ptp::fw::ModuleStateScope scope(ptp::frame::TheApp().State());
    return ptp::frame::TheApp().State().com.CanUnloadNow();
}

// The registration's outcome is not the console's concern: a failed write leaves the classes
// unregistered, which the console reports when it looks them up.
extern "C" __attribute__((visibility("default"))) HRESULT DllRegisterServer() {
    ptp::frame::EnsureStarted();
    ptp::fw::ModuleStateScope scope(ptp::frame::TheApp().State());
    const std::string path = ptp::LibraryPathOf(reinterpret_cast<const void*>(&DllRegisterServer));
    (void)ptp::frame::TheApp().State().com.RegisterServer(path);
    return ptp::S_OK;
}
