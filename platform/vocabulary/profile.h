#pragma once
// Connection profiles (kinds::kProfile): attribute numbers and the codes that say what kind of
// profile one is. Naming scheme: see kinds.h.
#include <string_view>

namespace ptp::attr::profile {
inline constexpr int kName = 0;                 // upper case, at most 10 characters
inline constexpr int kMode = 1;                 // code::mode
inline constexpr int kProtocol = 2;             // code::protocol
inline constexpr int kStatus = 3;               // code::status, decimal
inline constexpr int kLineName = 4;             // line kinds 1, 4, 5 and the virtual lines
inline constexpr int kLineType = 5;             // code::profile_line_type ("*ASYNC", "*POOL", ...)
inline constexpr int kLineService = 6;          // code::line_service
inline constexpr int kListedLocalAddress = 7;   // as the profiles list shows it
inline constexpr int kListedRemoteAddress = 8;  // as the profiles list shows it
inline constexpr int kJobName = 9;              // the running job's name; empty while stopped
inline constexpr int kDescription = 10;         // at most 50 characters; "*BLANK" for none
// 1; an answering profile on ISDN lines or on a pool chosen for PPP answering keeps 2.
inline constexpr int kLineUse = 11;
inline constexpr int kDialVariant = 12;   // switched mode 1: 0 plain, 1, 2 or 3
inline constexpr int kChangeStatus = 13;  // copy of the status: changes allowed while stopped
inline constexpr int kMaxConnections = 15;
inline constexpr int kMultilink = 16;      // 1 on
inline constexpr int kRemoteNumber1 = 17;  // remote telephone numbers; "*NONE" for none
inline constexpr int kRemoteNumber2 = 18;
inline constexpr int kRemoteNumber3 = 19;
inline constexpr int kNumericSettingOn = 20;  // 0: the default; 1: kNumericSetting holds it
inline constexpr int kNumericSetting = 21;    // 15 to 65535, or "0" for the default
inline constexpr int kMaxFrameSize = 22;      // SLIP only: 576 to 1006
inline constexpr int kLineKind = 23;          // code::line_kind
inline constexpr int kRedialOnDrop = 24;      // 1 on; switched dial profiles (mode 1) only
// L2TP: the remote tunnel end point of an initiator (before 050300), the local one of a
// terminator ("0.0.0.0": any local address).
inline constexpr int kTunnelEndPoint = 25;
inline constexpr int kMaxLinks = 26;                     // number of links when multilink is on
inline constexpr int kLocalIdentification = 27;          // 1: this system identifies itself
inline constexpr int kLocalIdentificationProtocol = 28;  // code::identification_protocol
inline constexpr int kValidationList = 29;        // library QUSRSYS; "NOTDEFINED" or empty: QTOCPTP
inline constexpr int kRemoteIdentification = 30;  // 1: the remote system identifies itself
inline constexpr int kRemoteIdentificationProtocol = 31;  // code::identification_protocol
inline constexpr int kRemoteIdentificationName = 32;      // upper case
inline constexpr int kRadiusAuthentication = 33;          // answering profiles
inline constexpr int kRadiusAccounting = 34;              // answering profiles
inline constexpr int kScriptOn = 35;                      // 1: the connection script runs
inline constexpr int kScriptLibrary = 36;                 // library of the script file
inline constexpr int kScriptFile = 37;                    // database file holding the scripts
inline constexpr int kScriptMember = 38;                  // the script: a member of that file
inline constexpr int kScriptCcsid = 39;                   // coded character set, 1 to 65535
// Multilink bandwidth: a link is added when the traffic stays above the first percentage for
// the first period (seconds), and dropped below the second for the second period.
inline constexpr int kMultilinkShortHeaders = 40;  // 0 or 1
inline constexpr int kBandwidthOnDemand = 41;      // 1: attributes 42 to 46 apply
inline constexpr int kAddLinkPercentage = 42;      // "1" to "100"
inline constexpr int kAddLinkPeriod = 43;          // 5 to 3600
inline constexpr int kDropLinkPercentage = 44;     // "0" to "95"
inline constexpr int kDropLinkPeriod = 45;         // 5 to 3600
inline constexpr int kBandwidthDirection = 46;     // 1 either direction, 2 both directions
inline constexpr int kDnsChoice = 47;              // 1 kDnsServer, 2 second choice, 0 none
inline constexpr int kDnsServer = 48;
inline constexpr int kLocalAddressMethod = 49;    // 1 given (kLocalAddress), 2 dynamic
inline constexpr int kLocalAddress = 50;          // dotted decimal or empty
inline constexpr int kRemoteAddressMethod = 51;   // dial pages: 1 given, 2 dynamic; answer: 1 to 6
inline constexpr int kRemoteAddress = 52;         // dotted decimal, first of a range, or empty
inline constexpr int kHideAddresses = 53;         // 1: the remote network sees only this address
inline constexpr int kIPForwarding = 54;          // 1: datagrams pass on to other networks
inline constexpr int kRoutingChoice = 55;         // 0, 1, or 2: the profile's own route list
inline constexpr int kHeaderCompression = 56;     // 1: headers are compressed on the link
inline constexpr int kRemoteAddressCount = 57;    // addresses in the remote range
inline constexpr int kPerUserAddresses = 58;      // 1: the per-user address list applies
inline constexpr int kRemoteChoosesAddress = 59;  // 1: the remote system may ask for an address
inline constexpr int kPoolName = 62;              // line kinds 2 and 3
inline constexpr int kSubsystem = 63;             // subsystem the profile's job runs in
inline constexpr int kTunnelHostNameOn = 65;      // L2TP initiator: 1 when kTunnelHostName applies
inline constexpr int kTunnelHostName = 66;        // at most 32 characters
inline constexpr int kPairedAnswerProfile = 67;   // dial-on-demand: the answer profile it pairs
inline constexpr int kRemoteNumber4 = 68;         // with kRemoteNumber1 to 3; "*NONE" for none
inline constexpr int kRemoteNumber5 = 69;
inline constexpr int kRemoteNumber6 = 70;
inline constexpr int kFilterRulesOn = 71;  // 1: packet filter rules kFilterRulesName apply
inline constexpr int kFilterRulesName = 72;
inline constexpr int kAcceptMultihop = 73;          // L2TP terminator: calls forwarded on, 0 or 1
inline constexpr int kRequireTunnelSecret = 74;     // L2TP terminator: 0 or 1
inline constexpr int kOutgoingCallDigital = 75;     // L2TP initiator's outgoing call: 0 or 1
inline constexpr int kOutgoingCallSubaddress = 76;  // shown by the outgoing-call dialog
inline constexpr int kNumberUse = 77;               // code::number_use
inline constexpr int kRedialAttempts = 78;          // 1 to 10
inline constexpr int kRedialDelay = 79;             // 1 to 60 seconds
inline constexpr int kStatusText = 84;              // shown for code::status::kOther
inline constexpr int kPPPoESelection = 86;          // code::pppoe_selection
inline constexpr int kPPPoEServiceName = 87;        // at most 255 characters, no blank
inline constexpr int kPPPoEConcentratorName = 88;   // at most 255 characters, no blank
inline constexpr int kPPPoEReconnect = 89;          // 0 or 1
inline constexpr int kAutoStart = 90;  // 1: started with TCP/IP; servers at 050300 or later
inline constexpr int kRemoteTunnelEndPoint = 91;  // L2TP initiators, 050300 and later
}  // namespace ptp::attr::profile

namespace ptp::code {

namespace protocol {
inline constexpr int kSLIP = 1;  // only on switched lines
inline constexpr int kPPP = 2;   // and any other value
}  // namespace protocol

namespace line_service {
inline constexpr int kSwitched = 1;
inline constexpr int kNonswitched = 2;
inline constexpr int kVirtual = 3;  // L2TP and PPPoE
}  // namespace line_service

// Modes; which exist depends on the line service (a virtual line's 1, 3, 5, 7 and 8 are L2TP
// initiator modes).
namespace mode {
inline constexpr int kDial = 1;    // also the nonswitched initiator
inline constexpr int kAnswer = 2;  // also the nonswitched and L2TP terminators
inline constexpr int kDialVariant3 = 3;
inline constexpr int kDialVariant4 = 4;  // one line only
inline constexpr int kL2TPInitiator = 5;
inline constexpr int kDialOnDemand = 6;  // a line pool only
inline constexpr int kL2TPInitiatorMode7 = 7;
inline constexpr int kL2TPInitiatorMode8 = 8;  // the tunnel alone: General and connection pages
inline constexpr int kPPPoEInitiator = 9;
}  // namespace mode

namespace line_kind {
inline constexpr int kOneLine = 1;
inline constexpr int kPool = 2;
inline constexpr int kPoolForPPPAnswer = 3;
inline constexpr int kISDNLine = 4;          // resource "*NWID"
inline constexpr int kISDNLineOwnLabel = 5;  // resource "*NWID", shown under its own label
inline constexpr int kL2TPLine = 6;
inline constexpr int kPPPoELine = 8;
}  // namespace line_kind

// The profile's line type (attr::profile::kLineType), compared without regard to case.
namespace profile_line_type {
inline constexpr std::string_view kAsync = "*ASYNC";
inline constexpr std::string_view kSync = "*SYNC";
inline constexpr std::string_view kISDN = "*ISDN";
inline constexpr std::string_view kPool = "*POOL";
inline constexpr std::string_view kL2TP = "*L2TP";
inline constexpr std::string_view kPPPoE = "*PPPOE";
}  // namespace profile_line_type

// How a dialling profile uses several numbers (attr::profile::kNumberUse).
namespace number_use {
inline constexpr int kInTurn = 1;     // the next number when one does not answer
inline constexpr int kSpread = 2;     // the links of a bundle dial different numbers
inline constexpr int kFirstOnly = 3;  // the others only when the first is busy
}  // namespace number_use

// Which access concentrator a PPPoE profile accepts (attr::profile::kPPPoESelection).
namespace pppoe_selection {
inline constexpr int kAny = 1;
inline constexpr int kByService = 2;       // attr::profile::kPPPoEServiceName
inline constexpr int kByConcentrator = 3;  // attr::profile::kPPPoEConcentratorName
inline constexpr int kByBoth = 4;
}  // namespace pppoe_selection

namespace dns_choice {
inline constexpr int kNone = 0;
inline constexpr int kGiven = 1;       // attr::profile::kDnsServer
inline constexpr int kFromRemote = 2;  // learned from the remote system as the link comes up
}  // namespace dns_choice

// Local and remote address methods (attr::profile::kLocalAddressMethod, kRemoteAddressMethod);
// the answer page's remote methods go on from 3.
namespace address_method {
inline constexpr int kGiven = 1;
inline constexpr int kDynamic = 2;
inline constexpr int kPerUser = 3;  // answer: the per-user address list
inline constexpr int kRange = 4;    // answer: a range of attr::profile::kRemoteAddressCount
inline constexpr int kDhcpWanClient = 5;
inline constexpr int kRadius = 6;
}  // namespace address_method

namespace routing_choice {
inline constexpr int kNone = 0;
inline constexpr int kOwnRouteList = 2;  // the profile's own routes
}  // namespace routing_choice

namespace identification_protocol {
inline constexpr int kNone = 0;
inline constexpr int kPAP = 1;
inline constexpr int kCHAP = 2;
inline constexpr int kEAP = 6;
}  // namespace identification_protocol

}  // namespace ptp::code
