#include "wizard/wdn_dialer_commands.h"

#include <array>

#include "config/config_text.h"
#include "lines/line_value_text.h"

namespace ptp::wizard {

namespace {

// The integrated modems of these adapters come up in synchronous mode; a line that dials them
// with AT commands has to switch them to asynchronous command mode first, or the modem never
// answers the first command.
constexpr std::array<std::string_view, 2> kModemsNeedingAsyncCommand = {
    "2771 INTERNAL MODEM",
    "2772 INTERNAL MODEM",
};

}  // namespace

bool NeedsModemAsyncCommand(std::string_view modem) {
    for (const std::string_view model : kModemsNeedingAsyncCommand) {
        if (config::EqualsNoCase(model, config::Trim(modem))) return true;
    }
    return false;
}

std::string BuildNewLineCommand(const CWDNNewLineValues& values) {
    std::string command = "QSYS/CRTLINPPP LIND(" + config::ToUpper(values.strName) + ")";
    command += " RSRCNAME(" + config::ToUpper(values.strResource) + ")";
    command += " CNN(*SWTPP)";
    command += " INTERFACE(" + values.strInterface + ")";
    command += " ONLINE(*NO)";
    command += " LINESPEED(" + values.strLineSpeed + ")";
    command += " MAXFRAME(" + std::to_string(values.nMaxFrame) + ")";
    command += " SWTCNN(*DIAL)";
    command += " DIALCMD(*ATCMD)";
    command += " INACTTMR(" + values.strInactivityTimer + ")";
    command += " TEXT(" + lines::DescriptionValue(values.strDescription) + ")";
    command += " MSGQ(" + values.strMessageQueue + ")";
    command += " AUT(" + values.strAuthority + ")";
    if (NeedsModemAsyncCommand(values.strModem)) command += " SETMDMASC(END)";
    return command;
}

std::string BuildMailCommand(std::string_view router, bool scheduled, std::string_view profile,
                             std::string_view interval) {
    std::string schedule = "*NO";
    if (scheduled) {
        schedule = "*YES " + config::ToUpper(profile) + " " +
                   (interval.empty() ? std::string("*NONE") : std::string(interval));
    }
    return "QSYS/CHGSMTPA MAILROUTER('" + std::string(router) + "') FIREWALL(*YES) DIALSCD(" +
           schedule + ")";
}

std::string BuildAddHostEntryCommand(std::string_view address, std::string_view hostName) {
    return "QSYS/ADDTCPHTE INTNETADR('" + std::string(address) + "') HOSTNAME(('" +
           std::string(hostName) + "'))";
}

std::string BuildChangeHostEntryCommand(std::string_view address,
                                        const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += "('" + name + "') ";
    return "QSYS/CHGTCPHTE INTNETADR('" + std::string(address) + "') HOSTNAME(" + list + ")";
}

std::string BuildRemoveRouteCommand(std::string_view destination, std::string_view mask,
                                    std::string_view nextHop, std::string_view profile) {
    return "RMVTCPRTE RTEDEST('" + std::string(destination) + "') SUBNETMASK('" +
           std::string(mask) + "') NEXTHOP('" + std::string(nextHop) + "') BINDIFC('PPP" +
           config::ToUpper(profile) + "')";
}

}  // namespace ptp::wizard
