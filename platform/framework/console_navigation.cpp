#include "platform/framework/console_navigation.h"

#include <atomic>

namespace ptp::fw {
namespace {

std::atomic<IConsoleNavigation*> g_navigation{nullptr};

}  // namespace

void SetConsoleNavigation(IConsoleNavigation* navigation) {
    g_navigation = navigation;
}

IConsoleNavigation* GetConsoleNavigation() {
    return g_navigation;
}

}  // namespace ptp::fw
