#pragma once
// The help text the console shows for a plug-in's command (status bar) or task (task pad): the
// text of the help topic numbered with the command or task id in the plug-in's resource library,
// so menu texts, task titles and their help are kept apart and each is written once.
#include <optional>
#include <string>

#include "platform/com/wintypes.h"

namespace ptp::fw {

// None when there is no resource library or no topic of that id.
[[nodiscard]] std::optional<std::string> GetHelpText(UINT id);

}  // namespace ptp::fw
