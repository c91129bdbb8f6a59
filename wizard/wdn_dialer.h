#pragma once
// What the plug-in's command and task call to run the dialer wizard on a system.
#include <string_view>

#include "platform/ui/ui_constants.h"

namespace ptp::wizard {

// ID_WIZFINISH after the setup was made, IDCANCEL when the user cancelled, -1 when the wizard
// could not read the system.
ui::INT_PTR RunWDNDialerWizard(std::string_view server, HWND parent);

}  // namespace ptp::wizard
