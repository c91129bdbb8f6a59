#include "lines/point_to_point_profile_line_parms_page.h"

#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineParmsPage::CPointToPointProfileLineParmsPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLineModemCommandsPage(IDD_LINE_PARMS, pSheet) {}

}  // namespace ptp::lines
