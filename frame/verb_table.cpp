#include "frame/verb_table.h"

#include "config/config_text.h"
#include "resources/ids/frame_commands.h"

namespace ptp::frame {
namespace {

constexpr CVerb kVerbs[17] = {
    {"START", ID_START},
    {"LOGMESSAGES", ID_LOGMESSAGES},
    {"LOGERRORS", ID_LOGERRORS},
    {"LOGNONE", ID_LOGNONE},
    {"STOP", ID_STOP},
    {"RESTART", ID_RESTART},
    {"JOBS", ID_JOBS},
    {"CONNECTIONS", ID_CONNECTIONS},
    {"NEWPROFILE", ID_NEWPROFILE},
    {"NEWWDNPROFILE", ID_NEWWDNPROFILE},
    {"NEWMODEM", ID_NEWMODEM},
    {"NEWBASEDON", ID_NEWBASEDON},
    {"NEWGROUPPOLICY", ID_NEWGROUPPOLICY},
    {"SERVICES", ID_SERVICES},
    {"DELETE", ID_DELETE},
    {"PROPERTIES", ID_PROPERTIES},
    {"MIGRATE", ID_MIGRATE},
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
