#pragma once
// The line sheets the connection pages open for their kind of line: the PPP line sheet for one
// line, the line pool sheet for a pool. The digital line sheet is not part of this build yet, so
// for those lines the user is told so and nothing changes.
#include <string>

#include "platform/ui/ui_constants.h"
#include "profiles/profile_line_list.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

// `line` names the line or pool to show (`isNew` false) or the name proposed for a new one; it
// holds the name to choose afterwards. IDOK when the sheet created or changed a line or pool, so
// the page reads its lists again.
ui::INT_PTR OpenLineSheet(LineChoice choice, std::string& line, bool isNew,
                          CPointToPointProfilePropertySheet& profile);

}  // namespace ptp::profiles
