#pragma once
// The form of a file path that server calls take.
#include <string>
#include <string_view>

namespace ptp::config {

// Drops a UNC prefix (two backslashes and a system name) and turns backslashes into forward
// slashes, so "\\SYS\QKTL\a.cfg" and "\QKTL\a.cfg" both give "/QKTL/a.cfg".
[[nodiscard]] std::string ToServerPath(std::string_view path);

}  // namespace ptp::config
