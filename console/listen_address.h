#pragma once
// Where the console may listen. It administers servers, so by default only this machine reaches it;
// another address must be asked for twice (the address and --allow-remote), and is then announced.
#include <optional>
#include <string>
#include <string_view>

namespace ptp::console {

// True for addresses only this machine reaches: 127.0.0.0/8, ::1 and "localhost".
[[nodiscard]] bool IsLoopbackAddress(std::string_view address);

// Why the console will not listen on `address`, or nothing when it may.
[[nodiscard]] std::optional<std::string> RefuseListenAddress(std::string_view address,
                                                             bool allowRemote);

// The warning printed when the console listens where other machines reach it; empty otherwise.
[[nodiscard]] std::string RemoteListenWarning(std::string_view address);

}  // namespace ptp::console
