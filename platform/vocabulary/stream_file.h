#pragma once
// Stream files: the version a read reports when there was no file to read. Any other version is
// a text that changes whenever the file's content does. Naming scheme: see kinds.h.
#include <string_view>

namespace ptp::code::stream_file {
inline constexpr std::string_view kNoVersion = "*NONE";
}  // namespace ptp::code::stream_file
