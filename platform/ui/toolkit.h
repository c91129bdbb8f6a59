#pragma once
// Process-wide state of the toolkit. The console, the tests and the plug-in loaded into them share
// one copy (libptp_ui.so): the resource library dialogs are built from, the clock timers run on,
// the wait cursor, the help shown last, and the faults found in dialog code. Like every window of
// the toolkit it belongs to the UI thread; other threads see it through TakeSnapshot() copies.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/res/resource_module.h"
#include "platform/ui/clock.h"
#include "platform/ui/snapshot.h"
#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CDialog;

// The resource library that dialog templates, toolkit texts and help topics come from.
void SetResourceModule(std::shared_ptr<const res::ResourceModule> module);
[[nodiscard]] std::shared_ptr<const res::ResourceModule> GetResourceModule();
// A resource string, or a visible marker naming the missing number.
[[nodiscard]] std::string LoadText(UINT id);
// A resource string with %1..%9 filled in.
[[nodiscard]] std::string FormatResource(UINT id, const std::vector<std::string>& args);

// The clock of timers; the system clock unless a test installs another. Returns the previous one.
Clock* SetClock(Clock* clock);
[[nodiscard]] Clock& GetClock();

// Wait cursor: shown while the count is above zero.
void BeginWaitCursor();
void EndWaitCursor();
[[nodiscard]] bool IsWaitCursor();
// How often the wait cursor was turned on since the process started; tests compare two readings.
[[nodiscard]] std::uint64_t WaitCursorShowCount();

class CWaitCursor {
  public:
    CWaitCursor() { BeginWaitCursor(); }
    ~CWaitCursor() {
        if (!m_bRestored) EndWaitCursor();
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Ends the wait cursor before the end of the scope (before a question to the user).
    void Restore() {
        if (m_bRestored) return;
        m_bRestored = true;
        EndWaitCursor();
    }

  private:
    bool m_bRestored = false;
};

// Context help. `helpFile` "VELTRIPA.HLP" names the resource library's help topics; `data` is the
// topic for HELP_CONTEXT and HELP_CONTEXTPOPUP. Returns whether the topic exists.
BOOL WinHelp(std::string_view helpFile, UINT command, DWORD_PTR data);
[[nodiscard]] std::optional<HelpState> LastHelp();

// The extended window style the console's current language needs (right-to-left reading and
// layout), asked by windows as they open. The console installs the source; without one it is 0.
void SetLanguageExStyleSource(std::function<DWORD()> source);
[[nodiscard]] DWORD GetLanguageExStyle();

// A mistake of the dialog code (missing control, missing help topic, a bad message-box answer).
// Reported to the driver and kept until taken.
void ReportFault(std::string what);
[[nodiscard]] std::vector<std::string> TakeFaults();

// The open modal dialogs, bottom first.
[[nodiscard]] std::vector<CDialog*> OpenDialogs();

// Delivers messages posted with PostMessage; the modal loop does this before each action, the
// console after each call into the plug-in.
void DispatchPostedMessages();

}  // namespace ptp::ui
