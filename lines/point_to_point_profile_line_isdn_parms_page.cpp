#include "lines/point_to_point_profile_line_isdn_parms_page.h"

#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineISDNParmsPage::CPointToPointProfileLineISDNParmsPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLineModemCommandsPage(IDD_LINE_ISDN_PARMS, pSheet) {}

}  // namespace ptp::lines
