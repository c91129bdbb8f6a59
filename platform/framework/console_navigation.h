#pragma once
// The console's own views that the plug-in opens: the job lists, a job's spooled file, the TCP/IP
// servers and DHCP configuration folders, and the packet rules editor. The console implements
// them; the plug-in only names what to open.
#include <string_view>

#include "platform/com/hresult.h"
#include "platform/com/wintypes.h"

namespace ptp::fw {

class IConsoleNavigation {
  public:
    virtual ~IConsoleNavigation() = default;
    // Opens the console's view at `folderPath` (levels in item-id text form joined by U+000F)
    // for `server`, narrowed by `filter` (empty for none) and titled `title`.
    virtual HRESULT OpenView(std::string_view server, std::string_view folderPath,
                             std::string_view filter, std::string_view title, HWND parent) = 0;
    // Shows spooled file `fileName` number `fileNumber` of the qualified job (name, user and
    // number as "%-10s%-10s%-6s") owned by `user`.
    virtual HRESULT OpenSpooledFile(std::string_view server, std::string_view qualifiedJob,
                                    std::string_view fileName, int fileNumber,
                                    std::string_view user, HWND parent) = 0;
    // Starts a console tool by class and method name (the packet rules editor).
    virtual HRESULT StartEditor(std::string_view server, std::string_view className,
                                std::string_view methodName, HWND parent) = 0;
};

// Null uninstalls; the navigation stays the installer's.
void SetConsoleNavigation(IConsoleNavigation* navigation);
// The installed navigation, or null when the console offers none.
[[nodiscard]] IConsoleNavigation* GetConsoleNavigation();

}  // namespace ptp::fw
