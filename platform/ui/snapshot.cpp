#include "platform/ui/snapshot.h"

#include "platform/ui/dialog.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/toolkit_state.h"

namespace ptp::ui {

UiSnapshot TakeSnapshot() {
    const auto& state = State();
    UiSnapshot snapshot;
    for (const CDialog* dialog : state.dialogs) {
        DialogState described;
        dialog->Describe(described);
        snapshot.dialogs.push_back(std::move(described));
    }
    snapshot.messageBox = state.messageBox;
    snapshot.waitCursor = state.waitCursorDepth > 0;
    for (const auto& timer : state.timers) {
        snapshot.timers.push_back(
            TimerState{timer.owner->GetHandleId(), timer.id, timer.interval, timer.due});
    }
    snapshot.help = state.help;
    snapshot.now = GetClock().Now();
    return snapshot;
}

}  // namespace ptp::ui
