#pragma once
// The command entries of an analog modem.
#include "modems/point_to_point_modem_commands_page.h"

namespace ptp::modems {

class CPointToPointModemParmsPage : public CPointToPointModemCommandsPage {
  public:
    explicit CPointToPointModemParmsPage(CPointToPointModemPropertySheet* pSheet);
};

}  // namespace ptp::modems
