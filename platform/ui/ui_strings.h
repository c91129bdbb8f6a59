#pragma once
// Numbers of the toolkit's own texts in the resource library (resources/strings/toolkit.json).
#include "platform/com/wintypes.h"

namespace ptp::ui {

inline constexpr UINT IDS_UI_RANGE = 31000;     // a whole number between %1 and %2
inline constexpr UINT IDS_UI_INTEGER = 31001;   // a whole number
inline constexpr UINT IDS_UI_MAXCHARS = 31002;  // at most %1 characters
inline constexpr UINT IDS_UI_OK = 31003;
inline constexpr UINT IDS_UI_CANCEL = 31004;
inline constexpr UINT IDS_UI_APPLY = 31005;
inline constexpr UINT IDS_UI_HELP = 31006;
inline constexpr UINT IDS_UI_BACK = 31007;
inline constexpr UINT IDS_UI_NEXT = 31008;
inline constexpr UINT IDS_UI_FINISH = 31009;

}  // namespace ptp::ui
