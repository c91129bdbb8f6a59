#pragma once
// The line sheets the connection pages open for their kind of line: one line, an ISDN line or a
// line pool. They are not part of this build yet: the user is told so, and nothing changes.
#include <string_view>

#include "platform/ui/ui_constants.h"
#include "profiles/profile_line_list.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

// `line` names the line to show, or the name proposed for a new one. IDOK when the sheet
// changed a line, so the page reads its lists again.
ui::INT_PTR OpenLineSheet(LineChoice choice, std::string_view line,
                          CPointToPointProfilePropertySheet& sheet);

}  // namespace ptp::profiles
