#pragma once
// The baseline of the file and folder benchmarks: a server file's lines read through the host's
// file service and kept, as any reader keeps what it reads, but not parsed.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"

namespace ptp::bench {

// The number of lines read; aborts when the file does not open (a benchmark without its file
// measures nothing).
inline int RawRead(std::string_view system, std::string_view path, int ccsid, int mode3) {
    auto& files = host::GetHost()->Files();
    int result = -1;
    auto file = files.CreateFile(system, path, result);
    if (!file) std::abort();
    if (ccsid != 0) file->SetCcsid(ccsid);
    if (file->Open(3, 1, mode3) != 0) std::abort();
    std::array<char, 2048> buffer{};
    std::vector<std::string> lines;
    while (true) {
        const int read = file->ReadLine(buffer.data(), buffer.size());
        lines.emplace_back(buffer.data());
        if (read != 0) break;
    }
    file->Close();
    benchmark::DoNotOptimize(lines.data());
    return static_cast<int>(lines.size());
}

}  // namespace ptp::bench
