#pragma once
// The web console's own texts, named in resources/strings/console.json and console_messages.json:
// IDS_CONSOLE_PLUGIN_FAILED and the others come from the headers the build generates.
#include <cstdint>

#include "resources/ids/console.h"
#include "resources/ids/console_messages.h"

namespace ptp::console {

// The texts of the page itself (resources/strings/console_page.json), handed to the browser as a
// block by number.
inline constexpr std::uint32_t kFirstPageText = 34100;
inline constexpr std::uint32_t kLastPageText = 34299;

}  // namespace ptp::console
