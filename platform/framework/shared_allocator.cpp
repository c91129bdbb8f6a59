#include "platform/framework/shared_allocator.h"

#include <atomic>
#include <cstdlib>

namespace ptp::fw {
namespace {

std::atomic<std::size_t> g_outstanding{0};
std::atomic<int> g_failures{0};

}  // namespace

void* SharedAlloc(std::size_t bytes) {
    for (int left = g_failures; left > 0; left = g_failures) {
        if (g_failures.compare_exchange_weak(left, left - 1)) return nullptr;
    }
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block) ++g_outstanding;
    return block;
}

void SharedFree(void* block) {
    if (!block) return;
    --g_outstanding;
    std::free(block);
}

std::size_t SharedAllocOutstanding() {
    return g_outstanding;
}

void FailNextSharedAllocs(int count) {
    g_failures = count;
}

}  // namespace ptp::fw
