#include "host/server_calls.h"

namespace ptp::host {

bool LoadList(IServerList& list, SOFError** error) {
    list.Open(error);
    if (*error) return false;
    // A list that never leaves its loading states would hang the user interface; the host's
    // lists finish within a few steps, so a generous bound only guards against a broken one.
    for (int step = 0; step < 100000; ++step) {
        const int state = list.GetState(error);
        if (*error) return false;
        if (state == kListStateComplete || state == kListStateCompleteWithErrors) return true;
        list.WaitStep(error);
        if (*error) return false;
    }
    return false;
}

void ShowAndDestroy(SOFError*& error, HWND parent) {
    if (!IsPendingError(error)) {
        error = nullptr;
        return;
    }
    if (IHost* host = GetHost()) {
        host->Errors().ShowError(error, parent);
    } else {
        error->Show(parent);
    }
    error->Destroy();
    error = nullptr;
}

void TraceShowAndDestroy(SOFError*& error, std::string_view text, HWND parent) {
    if (IsPendingError(error)) error->SetTraceText(text);
    ShowAndDestroy(error, parent);
}

}  // namespace ptp::host
