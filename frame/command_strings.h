#pragma once
// GetCommandString over a menu command table: the verb, the help text, or whether the command
// at a menu offset can run.
#include <cstdint>
#include <span>

#include "platform/com/hresult.h"
#include "platform/com/wintypes.h"

namespace ptp::frame {

HRESULT GetMenuCommandString(std::span<const std::uint32_t> table, std::uintptr_t offset, UINT kind,
                             char* buffer, UINT size);

}  // namespace ptp::frame
