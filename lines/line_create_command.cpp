#include "lines/line_create_command.h"

#include <string_view>

#include "config/config_text.h"

namespace ptp::lines {

namespace {

bool IsAny(std::string_view value, std::initializer_list<std::string_view> choices) {
    for (const std::string_view choice : choices) {
        if (config::EqualsNoCase(value, choice)) return true;
    }
    return false;
}

// " KEYWORD(value)", each fragment beginning with its blank.
std::string Parameter(std::string_view keyword, std::string_view value) {
    return " " + std::string(keyword) + "(" + std::string(value) + ")";
}

}  // namespace

std::string BuildCreateLineCommand(const CLineCommandValues& v) {
    std::string command = "QSYS/CRTLINPPP";
    command += Parameter("LIND", v.strLineName);
    command += Parameter("RSRCNAME", v.strResource);
    command += Parameter("INTERFACE", v.strInterface);
    command += Parameter("FRAMING", v.strFraming);
    command += Parameter("CNN", v.strConnection);
    command += Parameter("ONLINE", v.strOnline);
    command += Parameter("LINESPEED", v.strLineSpeed);
    command += Parameter("MAXFRAME", v.strMaxFrame);
    command += Parameter("CTSTMR", v.strClearToSendTimer);
    command += Parameter("TEXT", v.strText);
    command += Parameter("LCPAUT", v.strAuthenticationInterval + " " + v.strAuthenticationAttempts);
    command += Parameter("LCPCFG", v.strRetryTimer + " " + v.strMaxFailures + " " +
                                       v.strMaxRequests + " " + v.strMaxTerminates);
    command += Parameter("CMNRCYLMT", v.strRecoveryCount + " " + v.strRecoveryInterval);
    command += Parameter("AUT", v.strAuthority);

    const bool async = config::EqualsNoCase(v.strFraming, "*ASYNC");
    const bool sync = config::EqualsNoCase(v.strFraming, "*SYNC");
    const bool switched = config::EqualsNoCase(v.strConnection, "*SWTPP");
    const bool leased = config::EqualsNoCase(v.strConnection, "*NONSWTPP");
    if (IsAny(v.strInterface, {"*RS449V36", "*V35", "*X21"}))
        command += Parameter("CLOCK", v.strClock);
    if (config::EqualsNoCase(v.strDialCommand, "*ATCMD") &&
        IsAny(v.strSwitchedConnection, {"*DIAL", "*BOTH"}))
        command += Parameter("SETMDMASC", "'" + v.strModemAsyncCommand + "'");
    if (switched && config::EqualsNoCase(v.strDialCommand, "*V25BIS"))
        command += Parameter("RMTANSTMR", v.strRemoteAnswerTimer);
    if (async && switched) {
        command += Parameter("SWTCNN", v.strSwitchedConnection);
        command += Parameter("DIALCMD", v.strDialCommand);
        command += Parameter("FLOWCNTL", v.strFlowControl);
        command += Parameter("INACTTMR", v.strInactivityTimer);
    }
    if (async && leased) command += Parameter("FLOWCNTL", v.strFlowControl);
    if (sync && switched) {
        command += Parameter("SWTCNN", v.strSwitchedConnection);
        command += Parameter("DIALCMD", v.strDialCommand);
        command += Parameter("INACTTMR", v.strInactivityTimer);
        command += Parameter("NRZI", v.strNrzi);
    }
    if (sync && leased) command += Parameter("NRZI", v.strNrzi);
    if (v.bMessageQueue) command += Parameter("MSGQ", v.strMessageQueue);
    return command;
}

}  // namespace ptp::lines
