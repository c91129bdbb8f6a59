#pragma once
// What the plug-in's SERVICES command calls:
//
//   ras::ShowServicesPropertySheet(server, parent);
#include <string_view>

#include "platform/ui/ui_constants.h"

namespace ptp::ras {

// Opens the remote access services sheet modally: IDOK after the settings were written, IDCANCEL.
ui::INT_PTR ShowServicesPropertySheet(std::string_view server, HWND parent);

}  // namespace ptp::ras
