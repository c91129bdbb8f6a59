#include "platform/ui/message_box.h"

#include "platform/ui/app.h"
#include "platform/ui/driver.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/toolkit_state.h"
#include "platform/ui/wnd.h"

namespace ptp::ui {

std::vector<int> MessageBoxButtons(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        case MB_RETRYCANCEL:
            return {IDRETRY, IDCANCEL};
        default:
            return {IDOK};
    }
}

int MessageBoxDefault(UINT style) {
    const auto buttons = MessageBoxButtons(style);
    const std::size_t index = (style & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int MessageBox(CWnd*, std::string_view text, std::string_view caption, UINT style,
               UINT resourceId) {
    MessageBoxState box;
    box.resourceId = resourceId;
    box.style = style;
    box.caption = std::string(caption);
    box.text = std::string(text);
    box.buttons = MessageBoxButtons(style);
    box.defaultButton = MessageBoxDefault(style);
    // A box never sits over another; keep whatever was up and put it back afterwards.
    auto previous = State().messageBox;
    State().messageBox = box;
    int answer = GetDriver().AnswerMessageBox(box);
    State().messageBox = previous;
    bool valid = false;
    for (int button : box.buttons)
        valid = valid || button == answer;
    if (!valid) {
        ReportFault("message box \"" + box.text + "\" has no button " + std::to_string(answer));
        answer = box.defaultButton;
    }
    return answer;
}

int AfxMessageBox(std::string_view text, UINT style, UINT promptId) {
    if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(text, style, promptId);
    return MessageBox(nullptr, text, "", style, promptId);
}

int AfxMessageBox(UINT resourceId, UINT style) {
    return AfxMessageBox(LoadText(resourceId), style, resourceId);
}

int AfxMessageBox(UINT resourceId, const std::vector<std::string>& args, UINT style) {
    return AfxMessageBox(FormatResource(resourceId, args), style, resourceId);
}

}  // namespace ptp::ui
