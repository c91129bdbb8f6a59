#include "frame/frame_messages.h"

#include "frame/point_to_point_ext_app.h"
#include "platform/framework/console_window.h"
#include "platform/res/resource_module.h"
#include "platform/ui/message_box.h"

namespace ptp::frame {

std::string FrameText(UINT id) {
    const auto& resources = TheApp().State().resources;
    if (!resources) return "[missing string " + std::to_string(id) + "]";
    return resources->String(id);
}

int ShowFrameMessage(UINT id, UINT style, const std::vector<std::string>& args) {
    const std::string text = res::FormatText(FrameText(id), args);
    return ui::AfxMessageBox(text, style, id);
}

void RefreshConsoleView(HWND window) {
    fw::SendConsoleMessage(window, fw::WM_PTP_REFRESH, 1, 0);
}

void SetConsoleStatusText(HWND window, const std::string& text) {
    fw::SendConsoleMessage(window, fw::WM_PTP_STATUSTEXT, 0,
                           reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace ptp::frame
