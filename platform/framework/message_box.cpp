#include "platform/framework/message_box.h"

#include <atomic>
#include <iostream>

namespace ptp::fw {
namespace {

std::atomic<IMessageBoxPresenter*> g_presenter{nullptr};

// With nobody to ask, a question is answered the way that changes nothing.
int SafestAnswer(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
        case MB_YESNOCANCEL:
        case MB_RETRYCANCEL:
            return IDCANCEL;
        case MB_ABORTRETRYIGNORE:
            return IDABORT;
        case MB_YESNO:
            return IDNO;
        default:
            return IDOK;
    }
}

}  // namespace

void SetMessageBoxPresenter(IMessageBoxPresenter* presenter) {
    g_presenter = presenter;
}

IMessageBoxPresenter* GetMessageBoxPresenter() {
    return g_presenter;
}

int PresentMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT style,
                      UINT promptId) {
    if (IMessageBoxPresenter* presenter = g_presenter) {
        return presenter->ShowMessageBox(owner, text, caption, style, promptId);
    }
    std::cerr << caption << ": " << text << '\n';
    return SafestAnswer(style);
}

}  // namespace ptp::fw
