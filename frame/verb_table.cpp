#include "frame/verb_table.h"

#include "config/config_text.h"
#include "resources/ids/frame_commands.h"

namespace ptp::frame {
namespace {

constexpr CVerb kVerbs[17] = {
    {"START", ID_START, IDS_VERB_HELP_START},
    {"LOGMESSAGES", ID_LOGMESSAGES, IDS_VERB_HELP_LOGMESSAGES},
    {"LOGERRORS", ID_LOGERRORS, IDS_VERB_HELP_LOGERRORS},
    {"LOGNONE", ID_LOGNONE, IDS_VERB_HELP_LOGNONE},
    {"STOP", ID_STOP, IDS_VERB_HELP_STOP},
    {"RESTART", ID_RESTART, IDS_VERB_HELP_RESTART},
    {"JOBS", ID_JOBS, IDS_VERB_HELP_JOBS},
    {"CONNECTIONS", ID_CONNECTIONS, IDS_VERB_HELP_CONNECTIONS},
    {"NEWPROFILE", ID_NEWPROFILE, IDS_VERB_HELP_NEWPROFILE},
    {"NEWWDNPROFILE", ID_NEWWDNPROFILE, IDS_VERB_HELP_NEWWDNPROFILE},
    {"NEWMODEM", ID_NEWMODEM, IDS_VERB_HELP_NEWMODEM},
    {"NEWBASEDON", ID_NEWBASEDON, IDS_VERB_HELP_NEWBASEDON},
    {"NEWGROUPPOLICY", ID_NEWGROUPPOLICY, IDS_VERB_HELP_NEWGROUPPOLICY},
    {"SERVICES", ID_SERVICES, IDS_VERB_HELP_SERVICES},
    {"DELETE", ID_DELETE, IDS_VERB_HELP_DELETE},
    {"PROPERTIES", ID_PROPERTIES, IDS_VERB_HELP_PROPERTIES},
    {"MIGRATE", ID_MIGRATE, IDS_VERB_HELP_MIGRATE},
};

}  // namespace

const CVerb (&VerbTable())[17] {
    return kVerbs;
}

std::optional<UINT> CommandOfVerb(std::string_view verb) {
    for (const auto& entry : kVerbs) {
        if (config::EqualsNoCase(entry.verb, verb)) return entry.commandId;
    }
    return std::nullopt;
}

const CVerb* VerbOfCommand(UINT commandId) {
    for (const auto& entry : kVerbs) {
        if (entry.commandId == commandId) return &entry;
    }
    return nullptr;
}

}  // namespace ptp::frame
