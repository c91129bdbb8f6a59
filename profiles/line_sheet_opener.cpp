#include "profiles/line_sheet_opener.h"

#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/frame_commands.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

UINT SheetName(LineChoice choice) {
    switch (choice) {
        case LineChoice::Pool:
            return IDS_PROFILE_LINE_POOL_SHEET;
        case LineChoice::ISDN:
            return IDS_PROFILE_DIGITAL_LINE_SHEET;
        default:
            return IDS_PROFILE_LINE_SHEET;
    }
}

}  // namespace

// The same message the plug-in's commands give for a sheet of a later issue.
ui::INT_PTR OpenLineSheet(LineChoice choice, std::string_view, CPointToPointProfilePropertySheet&) {
    ui::AfxMessageBox(IDS_NOT_AVAILABLE, {ui::LoadText(SheetName(choice))}, ui::MB_ICONWARNING);
    return ui::IDCANCEL;
}

}  // namespace ptp::profiles
