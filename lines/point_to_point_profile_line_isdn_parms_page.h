#pragma once
// The command strings of the line's ISDN terminal adapter.
#include "lines/point_to_point_profile_line_modem_commands_page.h"

namespace ptp::lines {

class CPointToPointProfileLineISDNParmsPage : public CPointToPointProfileLineModemCommandsPage {
  public:
    explicit CPointToPointProfileLineISDNParmsPage(CPointToPointProfileLinePropertySheet* pSheet);
};

}  // namespace ptp::lines
