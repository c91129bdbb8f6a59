#pragma once
// The values of a network interface as its commands take them, one text per keyword; the pages
// of the network interface sheet fill them in, each with its own keywords.
#include <string>
#include <vector>

namespace ptp::nwi {

// One channel entry: a channel number 1 to 30 or "*D", "*SWT" or "*NONSWT", and (new interfaces
// only) a third element, empty when none was chosen. "*SWTALL" alone stands for every channel.
struct CChannelEntry {
    std::string strChannel;
    std::string strConnection;
    std::string strThird;
};

// One protocol entry: "*PPP", "*IDLC" or "*X25", "*LOAD" or "*NOLOAD", and "*NONE", "*MAX" or a
// number 1 to 30. "*PPPMAX" alone stands for all protocols.
struct CProtocolEntry {
    std::string strProtocol;
    std::string strLoad;
    std::string strMaximum;
};

struct CNwiCommandValues {
    std::string strName;         // NWID
    std::string strResource;     // RSRCNAME
    std::string strNetworkType;  // NETTYPE
    std::string strRate;         // RATE
    std::string strText;         // TEXT, in its command form
    bool bAllChannels = false;   // CHLENTRY(*SWTALL)
    std::vector<CChannelEntry> channels;
    bool bAllProtocols = false;  // PCLENTRY(*PPPMAX)
    std::vector<CProtocolEntry> protocols;
    std::string strAutoParameters = "*NO";          // AUTOPARM
    std::string strShortHaul;                       // SHORTHAUL
    std::string strLongHaul;                        // LONGHAUL
    std::string strClock = "*CALC";                 // CLOCK
    std::string strAutoSpid = "*NO";                // AUTOSPID
    std::string strSpid1;                           // SPID index 1, "*NONE" for none
    std::string strSpid2;                           // SPID index 2
    std::string strSetupDifference = "*NONE";       // SETUPDIF
    std::string strActivationTimer = "*NETTYPE";    // ACTTMR
    std::string strReactivationTimer = "*NETTYPE";  // REACTTMR
    std::string strRecoveryCount = "*SYSVAL";       // CMNRCYLMT, first element
    std::string strRecoveryInterval;                // CMNRCYLMT, second element
    std::string strLocalNumber = "*CNNL";           // LCLNBR
    std::string strLocalNumberType;                 // LCLNBRTYPE
    std::string strLocalNumberPlan;                 // LCLNBRPLAN
    std::string strLocalNumberPresentation;         // LCLNBRPSN
    std::string strRemoveCharacters;                // RMVCHR
    std::string strAuthority = "*LIBCRTAUT";        // AUT
};

// CHLENTRY and PCLENTRY as the commands take them; `creating` keeps the channels' third element.
[[nodiscard]] std::string ChannelEntriesValue(const CNwiCommandValues& values, bool creating);
[[nodiscard]] std::string ProtocolEntriesValue(const CNwiCommandValues& values);
// The create command, or the change command, each with the ISDN fragments in their order.
[[nodiscard]] std::string BuildCreateIsdnNwiCommand(const CNwiCommandValues& values);
[[nodiscard]] std::string BuildChangeIsdnNwiCommand(const CNwiCommandValues& values);

}  // namespace ptp::nwi
