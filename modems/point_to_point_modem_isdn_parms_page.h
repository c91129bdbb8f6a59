#pragma once
// The command entries of an ISDN terminal adapter (modem kind "2").
#include "modems/point_to_point_modem_commands_page.h"

namespace ptp::modems {

class CPointToPointModemISDNParmsPage : public CPointToPointModemCommandsPage {
  public:
    explicit CPointToPointModemISDNParmsPage(CPointToPointModemPropertySheet* pSheet);
};

}  // namespace ptp::modems
