#pragma once
// What the plug-in asks of the console and of the host layer beyond server objects: server facts
// (release, authority) and console services (message-box style, registry keys, the resource
// library). The process that loads the plug-in installs its implementations before the first
// call; until then harmless defaults answer.
#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/com/registry.h"
#include "platform/com/wintypes.h"
#include "platform/res/resource_module.h"

// Error objects belong to the host layer; the framework only passes them on.
namespace ptp::host {
class SOFError;
}  // namespace ptp::host

namespace ptp::fw {

// The authority asked for before anything is changed on a server.
inline constexpr int kConfigurationAuthority = 2;
// Characters of a server release text VVRRMM with its NUL.
inline constexpr std::size_t kServerReleaseLength = 7;

class IServerFacts {
  public:
    virtual ~IServerFacts() = default;
    // Fills `buffer` (`length` characters with the NUL) with the release text "VVRRMM" of
    // `server`; false, with the buffer untouched, when it is not known.
    virtual bool GetServerRelease(std::string_view server, char* buffer, std::size_t length) = 0;
    // Whether the user holds `authority` on `server`. An error object handed back in `*error`
    // (the caller's to show and destroy) also means no.
    virtual bool HasAuthority(std::string_view server, int authority, host::SOFError** error) = 0;
};

class IConsoleServices {
  public:
    virtual ~IConsoleServices() = default;
    // The style a message box of `style` is shown with in this console.
    virtual UINT MessageBoxStyle(UINT style) = 0;
    // Opens a registry key for the plug-in, as RegOpenKeyEx does.
    virtual LSTATUS OpenKey(HKEY parent, std::string_view subKey, REGSAM access, HKEY* result) = 0;
    // The resource library of texts, dialogs and help that the plug-in was installed with.
    virtual std::shared_ptr<res::ResourceModule> GetResourceModule() = 0;
};

// Installed implementations stay the installer's; null goes back to the defaults.
void SetServerFacts(IServerFacts* facts);
void SetConsoleServices(IConsoleServices* services);
// The installed implementation, or the default: no release known, no authority, the style
// unchanged, keys opened in this process's registry, no resource library.
[[nodiscard]] IServerFacts& ServerFacts();
[[nodiscard]] IConsoleServices& ConsoleServices();

}  // namespace ptp::fw
