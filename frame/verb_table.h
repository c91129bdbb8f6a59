#pragma once
// The commands of the context menu: a verb that does not depend on the language and a command
// identifier, which is also the number of the command's menu text.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/com/wintypes.h"
#include "resources/ids/frame_commands.h"

namespace ptp::frame {

enum CommandId : UINT {
    ID_START = IDS_MENU_START,
    ID_LOGMESSAGES = IDS_MENU_LOGMESSAGES,
    ID_LOGERRORS = IDS_MENU_LOGERRORS,
    ID_LOGNONE = IDS_MENU_LOGNONE,
    ID_STOP = IDS_MENU_STOP,
    ID_RESTART = IDS_MENU_RESTART,
    ID_JOBS = IDS_MENU_JOBS,
    ID_CONNECTIONS = IDS_MENU_CONNECTIONS,
    ID_NEWPROFILE = IDS_MENU_NEWPROFILE,
    ID_NEWWDNPROFILE = IDS_MENU_NEWWDNPROFILE,
    ID_NEWMODEM = IDS_MENU_NEWMODEM,
    ID_NEWBASEDON = IDS_MENU_NEWBASEDON,
    ID_NEWGROUPPOLICY = IDS_MENU_NEWGROUPPOLICY,
    ID_SERVICES = IDS_MENU_SERVICES,
    ID_DELETE = IDS_MENU_DELETE,
    ID_PROPERTIES = IDS_MENU_PROPERTIES,
    ID_MIGRATE = IDS_MENU_MIGRATE,
};

// The label of the logging popup.

struct CVerb {
    std::string_view verb;
    UINT commandId;
};

// The seventeen verbs in table order.
[[nodiscard]] const CVerb (&VerbTable())[17];
// The command of a verb, compared without regard to case; none when no verb matches.
[[nodiscard]] std::optional<UINT> CommandOfVerb(std::string_view verb);
// The table entry of a command identifier, or null.
[[nodiscard]] const CVerb* VerbOfCommand(UINT commandId);

}  // namespace ptp::frame
