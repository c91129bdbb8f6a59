#pragma once
// The console's shared allocator. Memory handed to the console (item-id lists above all) comes
// from here, because the console frees it, possibly long after the plug-in returned.
#include <cstddef>

namespace ptp::fw {

// Null when the allocation fails.
[[nodiscard]] void* SharedAlloc(std::size_t bytes);
// Accepts null.
void SharedFree(void* block);

// Blocks allocated and not yet freed in this process, so tests see who forgot to free.
[[nodiscard]] std::size_t SharedAllocOutstanding();
// Makes the next `count` allocations fail, so the paths that handle a refusal are tested.
void FailNextSharedAllocs(int count);

}  // namespace ptp::fw
