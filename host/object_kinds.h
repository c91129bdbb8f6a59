#pragma once
// The kinds of server objects and lists, by the names the plug-in creates them with, and the
// attribute numbers that more than one caller shares. A kind names both a single object and the
// list of all objects of that kind; a list's filter narrows it (see each kind's note).
#include <array>
#include <string_view>

namespace ptp::host::kinds {

// Connection profiles (PPP and SLIP). Name: up to 10 characters, upper case.
inline constexpr std::string_view kProfile = "Profile";
// Line descriptions of every kind PPP uses. Name: attribute 1, up to 10 characters. A line pool
// is the set of lines whose attribute 2 names it. List filter: a line type ("*PPP", "*ETH").
inline constexpr std::string_view kLine = "Line";
// The line association list: one entry per PPP line with the modem it uses (attribute 0, from
// its line-to-modem association), the line (1) and the pool it belongs to (2, the line's own
// attribute 2). A view: entries change through the lines and line-to-modem associations.
inline constexpr std::string_view kLineAssociation = "LineAssociation";
// Line-to-modem association objects. Name: the line; attributes 0 line, 1 modem, 4 number.
inline constexpr std::string_view kLineModem = "LineModem";
// Modems, system-supplied (attribute 1 "1") and user-defined. Name: attribute 0 (up to 64).
inline constexpr std::string_view kModem = "Modem";
// Command strings of modems ("TEMPLATE" entries). Name: "<modem>/<number>"; an object created
// with the modem's name alone gets the next number on commit. List filter: the modem name.
inline constexpr std::string_view kModemCommand = "ModemCommand";
// Static routes of profiles. Name: "<attribute 14>/<3>/<1>/<16>" (binding profile, destination,
// mask, next hop) when created without one. List filter: the binding profile (attribute 14).
inline constexpr std::string_view kRoute = "Route";
// Validation lists and their entries. Entry name: "<list>/<hex identifier>"; filter: list.
inline constexpr std::string_view kValidationList = "ValidationList";
inline constexpr std::string_view kValidationListEntry = "ValidationListEntry";
// System values (QRETSVRSEC and the like). Name: the value's name.
inline constexpr std::string_view kSystemValue = "SystemValue";
// Hardware resources (communication ports and adapters). Name: the resource name.
inline constexpr std::string_view kHardwareResource = "HardwareResource";
// TCP/IP interfaces. Name: the internet address.
inline constexpr std::string_view kTcpipInterface = "TcpipInterface";
// ISDN and T1 network interfaces. Name: up to 10 characters.
inline constexpr std::string_view kNetworkInterface = "NetworkInterface";
// Connection lists and their entries. Entry name: "<list>/<entry>"; filter: list.
inline constexpr std::string_view kConnectionList = "ConnectionList";
inline constexpr std::string_view kConnectionListEntry = "ConnectionListEntry";
// Jobs (PPP jobs run under user QTCP) and their spooled output. Job name:
// "<number>/<user>/<job>"; spooled file name: "<job name>/<file>/<number>"; filter: job prefix.
inline constexpr std::string_view kJob = "Job";
inline constexpr std::string_view kSpooledFile = "SpooledFile";
// Active connections of PPP jobs (a multilink bundle head and its links). Filter: profile name.
inline constexpr std::string_view kConnectionJob = "ConnectionJob";
// Route daemon interface records of profiles (QUSRSYS/QATOCRTDC). Name: the profile name.
inline constexpr std::string_view kRouteDaemonRecord = "RouteDaemonRecord";
// Host table entries. Name: the internet address.
inline constexpr std::string_view kHostTableEntry = "HostTableEntry";
// Mail (SMTP) and DHCP attributes: singletons named "*".
inline constexpr std::string_view kMailAttributes = "MailAttributes";
inline constexpr std::string_view kDhcpAttributes = "DhcpAttributes";
// Authorization lists. Name: the list name.
inline constexpr std::string_view kAuthorizationList = "AuthorizationList";
// Members of database files. Name: "<library>/<file>/<member>".
inline constexpr std::string_view kFileMember = "FileMember";
// TCP/IP servers and their state (DHCP server and the like). Name: the server name.
inline constexpr std::string_view kTcpipServer = "TcpipServer";

// The packet rules last activated on the system: attribute 1 the line count, 1000 + i line i.
// Name: "*" (an empty name means it too).
inline constexpr std::string_view kCurrentRulesList = "CNATCurrentRulesList";
// Checks a rules file. Name: the file's server path, upper case. Attributes 1 (caller value) and
// 2 ("1" when the VPN policy filters file is missing) are set by the caller; reading attribute
// 10 (all checks), 11 (syntax) or 12 (includes) runs the check and gives "0" for a clean file,
// "1" with findings, "2" when the file cannot be read; then 20 is the finding count and 1000 + i
// finding i.
inline constexpr std::string_view kVerifyRulesFile = "CNATVerifyRulesFile";

// The names the plug-in's object-access classes go by; each is a list or object of a kind above.
inline constexpr std::string_view kProfileObject = kProfile;
inline constexpr std::string_view kProfileList = kProfile;
inline constexpr std::string_view kPPPLineList = kLine;  // filter "*PPP": PPP lines only
inline constexpr std::string_view kLinePoolMemberList = kLineAssociation;
inline constexpr std::string_view kValidationListList = kValidationList;
inline constexpr std::string_view kTCPIPInterfaceList = kTcpipInterface;
inline constexpr std::string_view kSystemValues = kSystemValue;
inline constexpr std::string_view kCTCPIPRoutes = kRoute;
inline constexpr std::string_view kCRouteDInterfaceConfiguration = kRouteDaemonRecord;
inline constexpr std::string_view kCPointToPointModemCommands = kModemCommand;

// The name of singleton objects.
inline constexpr std::string_view kSingletonName = "*";

// Every kind above, for tools that show them all.
inline constexpr std::array<std::string_view, 27> kAllKinds = {
    kProfile,           kLine,           kLineAssociation,     kLineModem,
    kModem,             kModemCommand,   kRoute,               kValidationList,
    kValidationListEntry, kSystemValue,  kHardwareResource,    kTcpipInterface,
    kNetworkInterface,  kConnectionList, kConnectionListEntry, kJob,
    kSpooledFile,       kConnectionJob,  kRouteDaemonRecord,   kHostTableEntry,
    kMailAttributes,    kDhcpAttributes, kAuthorizationList,   kFileMember,
    kTcpipServer,       kCurrentRulesList, kVerifyRulesFile};

}  // namespace ptp::host::kinds

namespace ptp::host::attributes {

// Profiles (kinds::kProfile).
namespace profile {
inline constexpr int kName = 0;
inline constexpr int kMode = 1;      // 1 dial, 2 answer, 3, 4, 6 further dial modes; virtual 1-9
inline constexpr int kProtocol = 2;  // 1 SLIP, 2 PPP
inline constexpr int kStatus = 3;    // decimal status code, see status below
inline constexpr int kLineName = 4;
inline constexpr int kLineKindText = 5;  // "*ASYNC", "*SYNC", "*ISDN", "*POOL", "*L2TP", ...
inline constexpr int kLineService = 6;   // 1 switched, 2 nonswitched, 3 virtual
inline constexpr int kJobName = 9;       // the running job's name; empty while stopped
inline constexpr int kDescription = 10;
inline constexpr int kDialVariant = 12;   // switched mode 1: 0 plain dial, 1 to 3 the variants
inline constexpr int kChangeStatus = 13;  // copy of the status: changes allowed while stopped
inline constexpr int kMaxConnections = 15;
inline constexpr int kMultilink = 16;  // 1 on
inline constexpr int kLineKind = 23;
inline constexpr int kMaxLinks = 26;
// Authentication: this system identifies itself (27) with a protocol (28: 1 PAP, 2 CHAP, 6 EAP);
// the remote system must identify itself (30) with a protocol (31) under a name (32, upper case);
// RADIUS authentication (33) and accounting (34) of answering profiles.
inline constexpr int kLocalIdentification = 27;
inline constexpr int kLocalIdentificationProtocol = 28;
inline constexpr int kValidationList = 29;  // in library QUSRSYS; "NOTDEFINED" or empty: QTOCPTP
inline constexpr int kRemoteIdentification = 30;
inline constexpr int kRemoteIdentificationProtocol = 31;
inline constexpr int kRemoteIdentificationName = 32;
inline constexpr int kRadiusAuthentication = 33;
inline constexpr int kRadiusAccounting = 34;
inline constexpr int kPoolName = 62;
inline constexpr int kStatusText = 84;  // shown for status 255
inline constexpr int kAutoStart = 90;   // 1: started with TCP/IP; servers at 050300 or later
}  // namespace profile

// Profile and connection status codes the job simulation sets (profile attributes 3 and 13,
// connection attribute 4). 1, 2, 3, 13 and 54 are the stopped states; every other code means the
// profile's job is running.
namespace status {
inline constexpr int kInactive = 1;
inline constexpr int kEnded = 2;
inline constexpr int kFailed = 3;          // ended with an error; the reason is on the connection
inline constexpr int kWaitingForCall = 4;  // an answer profile that is up and waits
inline constexpr int kStarting = 11;
inline constexpr int kDialing = 12;
inline constexpr int kActive = 14;
inline constexpr int kLcpStarting = 31;
inline constexpr int kLcpRequestSent = 33;
inline constexpr int kLcpOpened = 36;
inline constexpr int kIpcpStarting = 41;
inline constexpr int kIpcpRequestSent = 43;
inline constexpr int kIpcpOpened = 46;
inline constexpr int kOther = 255;  // the text is in profile attribute 84 / connection 26
}  // namespace status

// Reason codes of a connection (connection attribute 25).
namespace reason {
inline constexpr int kNone = 0;
inline constexpr int kLineNotFound = 300;  // the profile's line description does not exist
inline constexpr int kLineInUse = 301;
inline constexpr int kEndedByUser = 257;
inline constexpr int kOther = 255;  // the text is in connection attribute 27
}  // namespace reason

// Active connection jobs (kinds::kConnectionJob), one element per link.
namespace connection {
inline constexpr int kJobName = 0;
inline constexpr int kJobUser = 1;
inline constexpr int kJobNumber = 2;
inline constexpr int kProfileName = 3;
inline constexpr int kStatus = 4;
inline constexpr int kLineName = 5;
inline constexpr int kRemoteAddress = 6;
inline constexpr int kLocalAddress = 7;
inline constexpr int kLinkId = 8;  // 8 bytes; bytes 4 to 7 the link number, most significant first
inline constexpr int kBundleKind = 9;  // "*MULTILINK", "*MULTIHOP" or "*NONE"
inline constexpr int kConnectedSeconds = 10;
inline constexpr int kBundleId = 11;  // as kLinkId; equal to it for a bundle head
inline constexpr int kLcpStatus = 12;
inline constexpr int kIpcpStatus = 13;
inline constexpr int kProtocol = 14;   // "*PPP" or "*SLIP"
inline constexpr int kStartedAt = 15;  // job clock second
inline constexpr int kReason = 25;
inline constexpr int kStatusText = 26;
inline constexpr int kReasonText = 27;
}  // namespace connection

// Jobs (kinds::kJob).
namespace job {
inline constexpr int kName = 0;
inline constexpr int kUser = 1;
inline constexpr int kNumber = 2;
inline constexpr int kStatus = 3;  // "*ACTIVE", "*OUTQ" (ended, spooled output kept), "*ENDED"
inline constexpr int kProfileName = 4;
inline constexpr int kStartedAt = 5;  // job clock second
inline constexpr int kStep = 6;       // index into the walk of status codes
inline constexpr int kOutput = 7;     // "*PRINT" keeps a spooled job log
}  // namespace job

// Spooled files (kinds::kSpooledFile).
namespace spooled {
inline constexpr int kJobName = 0;
inline constexpr int kJobUser = 1;
inline constexpr int kJobNumber = 2;
inline constexpr int kFileName = 3;
inline constexpr int kText = 4;
}  // namespace spooled

// Lines (kinds::kLine). The numbers of PPP lines are the ones the line sheets read and write.
namespace line {
inline constexpr int kType = 0;  // "*PPP" (also L2TP and PPPoE virtual lines), "*ETH", "*TRN"
inline constexpr int kName = 1;
inline constexpr int kPoolName = 2;
inline constexpr int kText = 4;
inline constexpr int kOnline = 12;
inline constexpr int kLineSpeed = 14;
inline constexpr int kMaxFrame = 15;
inline constexpr int kInactivityTimer = 16;
inline constexpr int kRemoteAnswerTimer = 17;
inline constexpr int kClearToSendTimer = 18;
inline constexpr int kRecoveryCount = 19;
inline constexpr int kRecoveryInterval = 20;
inline constexpr int kAuthenticationInterval = 21;
inline constexpr int kAuthenticationAttempts = 22;
inline constexpr int kMaxConfigureFailures = 24;
inline constexpr int kMaxConfigureRequests = 25;
inline constexpr int kMaxTerminateRequests = 26;
inline constexpr int kConfigureRetryTimer = 27;
inline constexpr int kResource = 29;
inline constexpr int kInterface = 30;
inline constexpr int kFraming = 31;
inline constexpr int kConnectionType = 32;
inline constexpr int kNrzi = 34;
inline constexpr int kSwitchedConnection = 35;
inline constexpr int kClock = 36;
inline constexpr int kDialCommand = 37;
inline constexpr int kModemAsyncCommand = 38;
inline constexpr int kFlowControl = 40;
// Digital lines: the switched interface list and the leased interface with its channel.
inline constexpr int kSwitchedInterfaces = 41;  // "*NONE" or "(NWI *B 1) (NWI2 *B *CALC)"
inline constexpr int kSwitchedInterfaceSelection = 42;
inline constexpr int kNetworkInterface = 43;
inline constexpr int kChannel = 44;
inline constexpr int kInformationTransferType = 45;
inline constexpr int kModemInitCommand = 46;
inline constexpr int kCompression = 47;
inline constexpr int kMessageQueue = 49;
inline constexpr int kMessageQueueLibrary = 50;
inline constexpr int kIncomingConnectionList = 51;
inline constexpr int kOutgoingConnectionList = 52;
inline constexpr int kOutgoingConnectionListEntry = 53;
// Ethernet lines.
inline constexpr int kEthernetStandard = 55;
inline constexpr int kDuplex = 56;
}  // namespace line

// Hardware resources (kinds::kHardwareResource).
namespace hardware {
inline constexpr int kName = 0;
inline constexpr int kResourceKind = 1;  // "0000000000000008" for communication ports
inline constexpr int kAdapterType = 2;
inline constexpr int kDescription = 3;  // names the interface: "V.24", "V.35", "V.36", "Comm Port"
inline constexpr int kStatus = 4;
}  // namespace hardware

// TCP/IP interfaces (kinds::kTcpipInterface).
namespace interface {
inline constexpr int kAddress = 0;
inline constexpr int kSubnetMask = 1;
inline constexpr int kLineName = 2;
inline constexpr int kStatus = 3;
inline constexpr int kType = 7;  // 1, 2, 3, 6, 8 physical kinds; 15 virtual
inline constexpr int kDisplayAddress = 8;  // the address, or "*LOOPBACK", "*VIRTUALIP"
}  // namespace interface

// Validation lists and entries (kinds::kValidationList, kinds::kValidationListEntry).
namespace validation {
inline constexpr int kListName = 0;
inline constexpr int kLibrary = 1;
inline constexpr int kIdentifier = 2;  // entry: the identifier as upper-case hex
inline constexpr int kData1 = 3;       // entry: first data field (the name)
inline constexpr int kData2 = 4;       // entry: second data field (the password)
}  // namespace validation

// System values (kinds::kSystemValue): attribute 1 is the value.
namespace system_value {
inline constexpr int kName = 0;
inline constexpr int kValue = 1;
}  // namespace system_value

// Route daemon interface records (kinds::kRouteDaemonRecord).
namespace routed {
inline constexpr int kInterfaceName = 0;
inline constexpr int kRipVersion = 1;  // "RIP1", "RIP2" or empty for RIP off
inline constexpr int kSupplyMode = 2;  // "FULL" or "LIMITED"
}  // namespace routed

// ISDN and T1 network interfaces (kinds::kNetworkInterface); list values kept as command text.
namespace nwi {
inline constexpr int kType = 0;  // "*ISDN" or "*T1"
inline constexpr int kName = 1;
inline constexpr int kResource = 2;
inline constexpr int kNetworkType = 3;
inline constexpr int kText = 4;
inline constexpr int kRate = 5;
inline constexpr int kChannelEntries = 6;
inline constexpr int kProtocolEntries = 7;
inline constexpr int kSetupDifference = 8;
inline constexpr int kActivationTimer = 9;
inline constexpr int kReactivationTimer = 10;
inline constexpr int kRecoveryCount = 11;
inline constexpr int kRecoveryInterval = 12;
inline constexpr int kAutoSpid = 13;
inline constexpr int kSpid = 14;
inline constexpr int kLocalNumber = 15;
inline constexpr int kLocalNumberType = 16;
inline constexpr int kLocalNumberPlan = 17;
inline constexpr int kLocalNumberPresentation = 18;
inline constexpr int kRemoveCharacters = 19;
inline constexpr int kAutoParameters = 20;
inline constexpr int kShortHaul = 21;
inline constexpr int kLongHaul = 22;
inline constexpr int kClock = 23;
inline constexpr int kFrameFormat = 24;
inline constexpr int kLineCode = 25;
inline constexpr int kSignalingMethod = 26;
inline constexpr int kCallerId = 27;
inline constexpr int kDidDigits = 28;
}  // namespace nwi

// Connection lists (kinds::kConnectionList).
namespace cnnl {
inline constexpr int kName = 0;
inline constexpr int kNetworkType = 1;
inline constexpr int kRemoveCharacters = 2;
inline constexpr int kText = 3;
}  // namespace cnnl

// Connection list entries (kinds::kConnectionListEntry), named "<list>/<entry>".
namespace cnnle {
inline constexpr int kList = 0;
inline constexpr int kEntry = 1;
inline constexpr int kRemoteNumber = 2;
inline constexpr int kInformationTransferType = 3;
inline constexpr int kLocalNumber = 4;
inline constexpr int kLocalNumberType = 5;
inline constexpr int kLocalNumberPlan = 6;
inline constexpr int kLocalNumberPresentation = 7;
inline constexpr int kText = 8;
}  // namespace cnnle

// Static routes (kinds::kRoute), as the route objects of profiles carry them.
namespace route {
inline constexpr int kSubnetMask = 1;
inline constexpr int kDestination = 3;
inline constexpr int kBindingProfile = 14;
inline constexpr int kNextHop = 16;
}  // namespace route

// Host table entries (kinds::kHostTableEntry), named after the internet address.
namespace host_table {
inline constexpr int kAddress = 0;
inline constexpr int kFirstHostName = 1;  // host names in 1 to 4
inline constexpr int kMaxHostNames = 4;
inline constexpr int kText = 5;
}  // namespace host_table

// Mail attributes (kinds::kMailAttributes, the singleton "*").
namespace mail {
inline constexpr int kMailRouter = 0;
inline constexpr int kFirewall = 1;
inline constexpr int kDialSchedule = 2;  // "*YES" or "*NO"
inline constexpr int kDialProfile = 3;
inline constexpr int kDialInterval = 4;
}  // namespace mail

// DHCP attributes (kinds::kDhcpAttributes, the singleton "*").
namespace dhcp {
inline constexpr int kMode = 0;  // "*SERVER", "*RELAY" or "*NONE"
}  // namespace dhcp

// TCP/IP servers (kinds::kTcpipServer), named like "*DHCP".
namespace tcpip_server {
inline constexpr int kStatus = 0;  // "*ACTIVE" or "*INACTIVE"
inline constexpr int kJobName = 1;
}  // namespace tcpip_server

}  // namespace ptp::host::attributes
