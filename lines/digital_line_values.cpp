#include "lines/digital_line_values.h"

#include "config/config_text.h"
#include "platform/vocabulary/line.h"

namespace ptp::lines {
namespace {

namespace swt = code::line_switched_connection;

std::string Lcp(const CDigitalLineValues& v) {
    return " LCPAUT(" + v.strAuthenticationInterval + " " + v.strAuthenticationAttempts +
           ") LCPCFG(" + v.strRetryTimer + " " + v.strMaxFailures + " " + v.strMaxRequests + " " +
           v.strMaxTerminates + ") CMNRCYLMT(" + v.strRecoveryCount + " " + v.strRecoveryInterval +
           ")";
}

std::string SwitchedBody(const CDigitalLineValues& v) {
    return " ONLINE(" + v.strOnline + ") SWTNWILST(" + v.strSwitchedInterfaces + ") LINESPEED(" +
           v.strLineSpeed + ") MAXFRAME(" + v.strMaxFrame + ") SWTCNN(" + v.strSwitchedConnection +
           ") SWTNWISLCT(" + v.strInterfaceSelection + ") INACTTMR(" + v.strInactivityTimer +
           ") TEXT(" + v.strText + ")" + Lcp(v) + " COMPRESS(" + v.strCompression + ") MSGQ(" +
           v.strMessageQueue + ")";
}

// The modem's initialisation command, then the lists the line answers and dials with.
std::string SwitchedFragments(const CDigitalLineValues& v) {
    std::string fragments;
    if (v.bModemCalls) fragments += " MDMINZCMD('" + v.strModemInitCommand + "')";
    const std::string incoming = " CNNLSTIN(" + v.strIncomingList + ")";
    const std::string outgoing =
        " CNNLSTOUT(" + v.strOutgoingList + ") CNNLSTOUTE(" + v.strOutgoingEntry + ")";
    if (config::EqualsNoCase(v.strSwitchedConnection, swt::kAnswer)) return fragments + incoming;
    if (config::EqualsNoCase(v.strSwitchedConnection, swt::kDial)) return fragments + outgoing;
    return fragments + outgoing + incoming;
}

}  // namespace

std::string BuildCreateSwitchedDigitalLineCommand(const CDigitalLineValues& v) {
    return "QSYS/CRTLINPPP LIND(" + v.strLineName + ") RSRCNAME(" + v.strResource + ") CNN(" +
           v.strConnection + ")" + SwitchedBody(v) + " AUT(" + v.strAuthority + ")" +
           SwitchedFragments(v);
}

std::string BuildCreateLeasedDigitalLineCommand(const CDigitalLineValues& v) {
    return "QSYS/CRTLINPPP LIND(" + v.strLineName + ") RSRCNAME(" + v.strResource + ") CNN(" +
           v.strConnection + ") ONLINE(" + v.strOnline + ") NWI(" + v.strInterface +
           ") NWICHLNBR(" + v.strChannel + ") LINESPEED(" + v.strLineSpeed + ") INFTRFTYPE(" +
           v.strTransferType + ") MAXFRAME(" + v.strMaxFrame + ") TEXT(" + v.strText + ")" +
           Lcp(v) + " MDMINZCMD('" + v.strModemInitCommand + "') COMPRESS(" + v.strCompression +
           ") MSGQ(" + v.strMessageQueue + ") AUT(" + v.strAuthority + ")";
}

std::string BuildChangeSwitchedDigitalLineCommand(const CDigitalLineValues& v) {
    return "QSYS/CHGLINPPP LIND(" + v.strLineName + ") RSRCNAME(" + v.strResource + ")" +
           SwitchedBody(v) + SwitchedFragments(v);
}

}  // namespace ptp::lines
