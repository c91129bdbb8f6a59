#include "nwi/nwi_command_values.h"

#include "config/config_text.h"

namespace ptp::nwi {
namespace {

using config::EqualsNoCase;

std::string Spid(std::string_view index, std::string_view spid) {
    const bool none = config::Trim(spid).empty() || EqualsNoCase(spid, "*NONE");
    return " (" + std::string(index) + " " + (none ? std::string("*NONE") : std::string(spid)) +
           ")";
}

// The SPIDs of a basic-rate interface on the North American switches, the local number unless
// it comes from the connection list, and the line parameters of a primary-rate interface.
std::string IsdnFragments(const CNwiCommandValues& v) {
    std::string fragments;
    const bool spidSwitch = EqualsNoCase(v.strNetworkType, "*ATT") ||
                            EqualsNoCase(v.strNetworkType, "*NORTEL") ||
                            EqualsNoCase(v.strNetworkType, "*NISDN");
    if (EqualsNoCase(v.strRate, "*BASIC") && spidSwitch) {
        fragments += " AUTOSPID(" + v.strAutoSpid + ")";
        if (EqualsNoCase(v.strAutoSpid, "*NO"))
            fragments += " SPID(" + Spid("1", v.strSpid1) + Spid("2", v.strSpid2) + ")";
    }
    if (!EqualsNoCase(v.strLocalNumber, "*CNNL")) {
        fragments += " LCLNBR(" + v.strLocalNumber + ") LCLNBRTYPE(" + v.strLocalNumberType +
                     ") LCLNBRPLAN(" + v.strLocalNumberPlan + ") LCLNBRPSN(" +
                     v.strLocalNumberPresentation + ") RMVCHR(" + v.strRemoveCharacters + ")";
    }
    if (!EqualsNoCase(v.strRate, "*PRIMARY")) return fragments;
    if (EqualsNoCase(v.strAutoParameters, "*YES"))
        return fragments + " AUTOPARM(" + v.strAutoParameters + ")";
    fragments += " AUTOPARM(" + v.strAutoParameters + ") SHORTHAUL(" + v.strShortHaul + ") CLOCK(" +
                 v.strClock + ")";
    if (EqualsNoCase(v.strShortHaul, "*NONE")) fragments += " LONGHAUL(" + v.strLongHaul + ")";
    return fragments;
}

std::string Timers(const CNwiCommandValues& v) {
    return " SETUPDIF(" + v.strSetupDifference + ") ACTTMR(" + v.strActivationTimer +
           ") REACTTMR(" + v.strReactivationTimer + ") CMNRCYLMT(" + v.strRecoveryCount + " " +
           v.strRecoveryInterval + ") TEXT(" + v.strText + ")";
}

}  // namespace

// The list ends at the first empty entry.
std::string ChannelEntriesValue(const CNwiCommandValues& v, bool creating) {
    if (v.bAllChannels) return "*SWTALL";
    std::string value;
    for (const CChannelEntry& entry : v.channels) {
        if (entry.strChannel.empty()) break;
        value += " (" + entry.strChannel + " " + entry.strConnection;
        if (creating) value += " " + entry.strThird;
        value += ")";
    }
    return value;
}

std::string ProtocolEntriesValue(const CNwiCommandValues& v) {
    if (v.bAllProtocols) return "*PPPMAX";
    std::string value;
    for (std::size_t index = 0; index < v.protocols.size() && index < 3; ++index) {
        const CProtocolEntry& entry = v.protocols[index];
        value += " (" + entry.strProtocol + " " + entry.strLoad + " " + entry.strMaximum + ")";
    }
    return value;
}

std::string BuildCreateIsdnNwiCommand(const CNwiCommandValues& v) {
    return "QSYS/CRTNWIISDN NWID(" + v.strName + ") RSRCNAME(" + v.strResource + ") NETTYPE(" +
           v.strNetworkType + ") RATE(" + v.strRate + ") CHLENTRY(" + ChannelEntriesValue(v, true) +
           ") PCLENTRY(" + ProtocolEntriesValue(v) + ")" + Timers(v) + " AUT(" + v.strAuthority +
           ")" + IsdnFragments(v);
}

std::string BuildChangeIsdnNwiCommand(const CNwiCommandValues& v) {
    return "QSYS/CHGNWIISDN NWID(" + v.strName + ") RSRCNAME(" + v.strResource + ") CHLENTRY(" +
           ChannelEntriesValue(v, false) + ") PCLENTRY(" + ProtocolEntriesValue(v) + ")" +
           Timers(v) + IsdnFragments(v);
}

}  // namespace ptp::nwi
