#include "platform/framework/trace_log.h"

#include <deque>
#include <iostream>
#include <mutex>

namespace ptp::fw {
namespace {

constexpr std::size_t kKeptTraces = 64;

struct TraceLog {
    std::mutex lock;
    std::deque<std::string> lines;
};

TraceLog& TheLog() {
    static TraceLog log;
    return log;
}

}  // namespace

void TraceInternal(std::string_view text) {
    TraceLog& log = TheLog();
    std::lock_guard guard(log.lock);
    std::cerr << text << '\n';
    log.lines.emplace_back(text);
    if (log.lines.size() > kKeptTraces) log.lines.pop_front();
}

std::vector<std::string> RecentTraces() {
    TraceLog& log = TheLog();
    std::lock_guard guard(log.lock);
    return {log.lines.begin(), log.lines.end()};
}

}  // namespace ptp::fw
