#include "host/toolkit_presenter.h"

#include "platform/ui/message_box.h"
#include "platform/ui/wnd.h"

namespace ptp::host {

void ToolkitMessagePresenter::Present(std::string_view text, std::string_view source, HWND parent,
                                      int style) {
    ui::MessageBox(ui::CWnd::FromHandle(parent), text, source, static_cast<UINT>(style));
}

}  // namespace ptp::host
