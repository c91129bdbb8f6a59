#include "modems/point_to_point_modem_parms_page.h"

#include "resources/ids/modems.h"

namespace ptp::modems {

CPointToPointModemParmsPage::CPointToPointModemParmsPage(CPointToPointModemPropertySheet* pSheet)
    : CPointToPointModemCommandsPage(IDD_MODEM_PARMS, pSheet) {}

}  // namespace ptp::modems
