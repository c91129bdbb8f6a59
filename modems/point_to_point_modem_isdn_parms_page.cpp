#include "modems/point_to_point_modem_isdn_parms_page.h"

#include "resources/ids/modems.h"

namespace ptp::modems {

CPointToPointModemISDNParmsPage::CPointToPointModemISDNParmsPage(
    CPointToPointModemPropertySheet* pSheet)
    : CPointToPointModemCommandsPage(IDD_MODEM_ISDN_PARMS, pSheet) {}

}  // namespace ptp::modems
