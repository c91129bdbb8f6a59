#pragma once
// Small steps every caller of server objects repeats: bringing a list to its end state, and
// showing and destroying the error object a call handed back.
#include "host/host_services.h"

namespace ptp::host {

// Opens `list` and waits until it reaches one of its two end states (50, 51). False with the
// error in `*error` when a step fails.
bool LoadList(IServerList& list, SOFError** error);

// Whether an error slot holds an error that still has to be shown (neither empty nor already
// reported).
[[nodiscard]] inline bool IsPendingError(const SOFError* error) {
    return error != nullptr && !IsAlreadyReported(error);
}

// Shows a pending error through the installed host's error display (over `parent`), destroys it
// and clears the slot. An empty or already-reported slot is only cleared.
void ShowAndDestroy(SOFError*& error, HWND parent);

// Traces `text` on a pending error, then shows and destroys it like ShowAndDestroy.
void TraceShowAndDestroy(SOFError*& error, std::string_view text, HWND parent);

}  // namespace ptp::host
