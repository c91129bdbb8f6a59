#pragma once
// Inside the toolkit only: the state behind toolkit.h, shared by the windows, the modal loop and
// the snapshot.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/res/resource_module.h"
#include "platform/ui/clock.h"
#include "platform/ui/snapshot.h"
#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CDialog;
class CWnd;
class Driver;

struct TimerEntry {
    CDialog* owner = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    std::int64_t due = 0;
};

struct PostedMessage {
    HWND target = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct ToolkitState {
    std::shared_ptr<const res::ResourceModule> resources;
    SystemClock systemClock;
    Clock* clock = &systemClock;
    Driver* driver = nullptr;
    int waitCursorDepth = 0;
    std::uint64_t waitCursorShown = 0;
    std::optional<HelpState> help;
    std::vector<std::string> faults;
    std::vector<CDialog*> dialogs;
    std::vector<CWnd*> windows;  // every window with a handle
    std::vector<TimerEntry> timers;
    std::deque<PostedMessage> posted;
    std::optional<MessageBoxState> messageBox;
    std::uint64_t nextDialogHandle = 1;
    std::function<DWORD()> languageExStyle;
};

ToolkitState& State();

// Timers of the modal loop.
void SetTimerEntry(CDialog* owner, UINT_PTR id, UINT interval);
bool KillTimerEntry(CDialog* owner, UINT_PTR id);
void KillTimersOf(CDialog* owner);
[[nodiscard]] std::optional<std::int64_t> NextTimerDue();
// Fires every timer due at the clock's current time, earliest first.
void FireDueTimers();
// Moves the clock forward by `milliseconds`, firing each timer at its due time on the way.
void AdvanceClock(std::int64_t milliseconds);

}  // namespace ptp::ui
