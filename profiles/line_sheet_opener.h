#pragma once
// The line sheets the connection pages open for their kind of line. One line opens the PPP line
// sheet; the digital line and line pool sheets are not part of this build yet, so for those the
// user is told so and nothing changes.
#include <string_view>

#include "platform/ui/ui_constants.h"
#include "profiles/profile_line_list.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

// `line` names the line to show (`isNew` false) or the name proposed for a new one. IDOK when
// the sheet created or changed a line, so the page reads its lists again.
ui::INT_PTR OpenLineSheet(LineChoice choice, std::string_view line, bool isNew,
                          CPointToPointProfilePropertySheet& profile);

}  // namespace ptp::profiles
