#pragma once
// How the modem sheet shows its messages: warning icon, system modal.
#include "platform/com/wintypes.h"

namespace ptp::modems {

inline constexpr UINT kModemMessageStyle = 0x1030;

}  // namespace ptp::modems
