#pragma once
// The messages the plug-in sends to the console window that invoked a command. The console
// installs the sink that delivers them.
#include "platform/com/wintypes.h"

namespace ptp::fw {

// Refresh the view; the word parameter is 1 after a command on several items.
inline constexpr UINT WM_PTP_REFRESH = 0x407;
// Show a status text; the long parameter points at the NUL-terminated UTF-8 text, valid for the
// duration of the call only.
inline constexpr UINT WM_PTP_STATUSTEXT = 0x408;

class IConsoleWindowSink {
  public:
    virtual ~IConsoleWindowSink() = default;
    virtual LRESULT SendConsoleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Null uninstalls; the sink stays the installer's.
void SetConsoleWindowSink(IConsoleWindowSink* sink);
// Delivers through the installed sink; 0 when none is installed.
LRESULT SendConsoleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ptp::fw
