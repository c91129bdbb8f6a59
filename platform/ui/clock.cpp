#include "platform/ui/clock.h"

#include <chrono>
#include <thread>

namespace ptp::ui {

std::int64_t SystemClock::Now() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::AdvanceTo(std::int64_t when) {
    const auto wait = when - Now();
    if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
}

}  // namespace ptp::ui
