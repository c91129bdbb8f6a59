#pragma once
// Shows the host's message boxes with the toolkit's message box, captioned with the message-source
// name, over the window the plug-in named. The console installs it on its in-process host.
#include "host/message_presenter.h"

namespace ptp::host {

class ToolkitMessagePresenter final : public IMessagePresenter {
  public:
    void Present(std::string_view text, std::string_view source, HWND parent, int style) override;
};

}  // namespace ptp::host
