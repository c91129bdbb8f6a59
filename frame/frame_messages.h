#pragma once
// Message boxes of the plug-in's commands: resource text `id` with %1..%9 filled from `args`,
// shown through the module object (which passes the style through the console's).
#include <string>
#include <vector>

#include "platform/com/wintypes.h"

namespace ptp::frame {

// Resource text `id` of the plug-in's own library, or a visible marker when it has none.
[[nodiscard]] std::string FrameText(UINT id);

int ShowFrameMessage(UINT id, UINT style, const std::vector<std::string>& args = {});

// Refresh (0x407) and status text (0x408) to the console window that invoked a command.
void RefreshConsoleView(HWND window);
void SetConsoleStatusText(HWND window, const std::string& text);

}  // namespace ptp::frame
