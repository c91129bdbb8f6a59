#pragma once
// The best processor time of each benchmark case, so a program can print one case's ratio against
// a baseline measured in the same run.
#include <ctime>
#include <map>
#include <string>

namespace ptp::bench {

// Best CPU seconds of a run, by case.
inline std::map<std::string, double> g_seconds;

// Processor time, best of the runs: the machines are shared and the cases compare work done.
inline double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline void Record(const std::string& name, double seconds) {
    auto it = g_seconds.find(name);
    if (it == g_seconds.end() || seconds < it->second) g_seconds[name] = seconds;
}

}  // namespace ptp::bench
