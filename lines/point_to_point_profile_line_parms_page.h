#pragma once
// The command strings of the line's analog modem.
#include "lines/point_to_point_profile_line_modem_commands_page.h"

namespace ptp::lines {

class CPointToPointProfileLineParmsPage : public CPointToPointProfileLineModemCommandsPage {
  public:
    explicit CPointToPointProfileLineParmsPage(CPointToPointProfileLinePropertySheet* pSheet);
};

}  // namespace ptp::lines
