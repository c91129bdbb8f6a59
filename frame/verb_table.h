#pragma once
// The commands of the context menu: a verb that does not depend on the language and a command
// identifier, which is also the number of the command's menu text.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/com/wintypes.h"

namespace ptp::frame {

enum CommandId : UINT {
    ID_START = 29279,
    ID_LOGMESSAGES = 28012,
    ID_LOGERRORS = 28013,
    ID_LOGNONE = 28014,
    ID_STOP = 29280,
    ID_RESTART = 27789,
    ID_JOBS = 27788,
    ID_CONNECTIONS = 27977,
    ID_NEWPROFILE = 27583,
    ID_NEWWDNPROFILE = 27999,
    ID_NEWMODEM = 27582,
    ID_NEWBASEDON = 27786,
    ID_NEWGROUPPOLICY = 28067,
    ID_SERVICES = 28068,
    ID_DELETE = 27584,
    ID_PROPERTIES = 27585,
    ID_MIGRATE = 28066,
};

// The label of the logging popup.
inline constexpr UINT IDS_LOGGING_MENU = 28011;

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
