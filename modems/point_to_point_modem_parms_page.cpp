#include "modems/point_to_point_modem_parms_page.h"

#include "modems/modem_resources.h"

namespace ptp::modems {

CPointToPointModemParmsPage::CPointToPointModemParmsPage(CPointToPointModemPropertySheet* pSheet)
    : CPointToPointModemCommandsPage(IDD_MODEM_PARMS, pSheet) {}

}  // namespace ptp::modems
