#include "ras/services_sheet.h"

#include "ras/point_to_point_ras_property_sheet.h"

namespace ptp::ras {

ui::INT_PTR ShowServicesPropertySheet(std::string_view server, HWND parent) {
    CPointToPointRASPropertySheet sheet(server, ui::CWnd::FromHandle(parent));
    return sheet.DoModal();
}

}  // namespace ptp::ras
