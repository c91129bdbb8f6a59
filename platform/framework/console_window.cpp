#include "platform/framework/console_window.h"

#include <atomic>

namespace ptp::fw {
namespace {

std::atomic<IConsoleWindowSink*> g_sink{nullptr};

}  // namespace

void SetConsoleWindowSink(IConsoleWindowSink* sink) {
    g_sink = sink;
}

LRESULT SendConsoleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    IConsoleWindowSink* sink = g_sink;
    return sink ? sink->SendConsoleMessage(window, message, wParam, lParam) : 0;
}

}  // namespace ptp::fw
