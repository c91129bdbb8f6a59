#pragma once
// The logging level that START passes to the profiles it starts. One setting for the whole
// process, empty until the user picks a level, kept until the plug-in is unloaded.
#include <string>
#include <string_view>

namespace ptp::frame {

inline constexpr std::string_view kLogAllMessages = "*PRINT";
inline constexpr std::string_view kLogErrors = "*ERROR";
inline constexpr std::string_view kLogNothing = "*NONE";

// " OUTPUT(*PRINT)" and the like, or empty.
[[nodiscard]] std::string LoggingOption();
// Sets the option to " OUTPUT(level)".
void SetLoggingLevel(std::string_view level);
// Back to the state at load; for tests that need a fresh process.
void ClearLoggingOption();

}  // namespace ptp::frame
