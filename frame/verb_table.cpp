#include "frame/verb_table.h"

#include "config/config_text.h"

namespace ptp::frame {
namespace {

constexpr CVerb kVerbs[17] = {
    {"START", ID_START, 35030},
    {"LOGMESSAGES", ID_LOGMESSAGES, 35031},
    {"LOGERRORS", ID_LOGERRORS, 35032},
    {"LOGNONE", ID_LOGNONE, 35033},
    {"STOP", ID_STOP, 35034},
    {"RESTART", ID_RESTART, 35035},
    {"JOBS", ID_JOBS, 35036},
    {"CONNECTIONS", ID_CONNECTIONS, 35037},
    {"NEWPROFILE", ID_NEWPROFILE, 35038},
    {"NEWWDNPROFILE", ID_NEWWDNPROFILE, 35039},
    {"NEWMODEM", ID_NEWMODEM, 35040},
    {"NEWBASEDON", ID_NEWBASEDON, 35041},
    {"NEWGROUPPOLICY", ID_NEWGROUPPOLICY, 35042},
    {"SERVICES", ID_SERVICES, 35043},
    {"DELETE", ID_DELETE, 35044},
    {"PROPERTIES", ID_PROPERTIES, 35045},
    {"MIGRATE", ID_MIGRATE, 35046},
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
