#pragma once
// Internal failures that have no error object to carry their trace text (a row the console asked
// for that is gone, say) are written here: to the error stream and to a short in-memory log that
// tests and support staff read back.
#include <string>
#include <string_view>
#include <vector>

namespace ptp::fw {

void TraceInternal(std::string_view text);
// The most recent traces, oldest first.
[[nodiscard]] std::vector<std::string> RecentTraces();

}  // namespace ptp::fw
