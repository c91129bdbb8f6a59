#pragma once
// Numbers of the web console's own texts (resources/strings/console.json).
#include <cstdint>

namespace ptp::console {

enum ConsoleText : std::uint32_t {
    kPluginFailed = 34000,
    kFinishDialogFirst = 34001,
    kBadItemId = 34002,
    kCommandNotAvailable = 34003,
    kPluginMissing = 34004,
    kDemoNotSeeded = 34005,
};

}  // namespace ptp::console
