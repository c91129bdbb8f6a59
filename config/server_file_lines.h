#pragma once
// Reading a server file that is open for reading, line by line to its end, as the keyed
// configuration files and the rules files do.
#include <cstddef>
#include <functional>
#include <string_view>

#include "host/host_services.h"

namespace ptp::config {

// Hands each line of `file` to `onLine`, read into a buffer of `bufferSize` characters. A read
// error is reported once (about `displayPath`) and ends the reading as if the file ended there:
// a server that keeps failing would otherwise keep the loop going.
void ReadServerFileLines(host::IServerFile& file, std::size_t bufferSize,
                         std::string_view displayPath,
                         const std::function<void(std::string_view line)>& onLine);

}  // namespace ptp::config
