#pragma once
// The few window-system scalar types that component interfaces and the toolkit share.
#include <cstdint>

namespace ptp {

struct HWND__;
using HWND = HWND__*;  // a window of the toolkit; null means none (the desktop)
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;

}  // namespace ptp
