#pragma once
// The vocabulary that the plug-in, the host client, the server stand-in and the tools share: one
// place where every object kind, attribute number and code value is typed, so no two sides can
// drift apart. It includes nothing of the project, and everything may include it.
//
// Naming scheme, one header per object kind (profile.h, line.h, modem.h, ...):
//   kinds::kProfile                 the kind a server object or list is created with (this file)
//   attr::profile::kStatus          attribute number of an object of that kind; the namespace is
//                                   the kind in snake case (attr::line_modem for kLineModem)
//   code::protocol::kPPP            a value an attribute carries, in a namespace named after what
//                                   it says; integers are carried as their decimal text, so
//                                   compare with code::Is (code_text.h) or parse first
// Adding an attribute: put `inline constexpr int kWhatItHolds = N;` into the kind's namespace of
// its header, in number order, with a comment when its values are not obvious. A new kind gets
// its own header and an entry in kinds.h.
#include <array>
#include <string_view>

namespace ptp::kinds {

// Connection profiles (PPP and SLIP). Name: up to 10 characters, upper case.
inline constexpr std::string_view kProfile = "Profile";
// Line descriptions of every kind PPP uses. Name: attr::line::kName, up to 10 characters. A line
// pool is the set of lines whose attr::line::kPoolName names it. List filter: a line type
// ("*PPP", "*ETH").
inline constexpr std::string_view kLine = "Line";
// The line association list: one entry per PPP line with the modem it uses, the line and the
// pool it belongs to (attr::line_association). A view: entries change through the lines and the
// line-to-modem associations.
inline constexpr std::string_view kLineAssociation = "LineAssociation";
// Line-to-modem association objects. Name: the line.
inline constexpr std::string_view kLineModem = "LineModem";
// Modems, system-supplied and user-defined. Name: attr::modem::kName (up to 64 characters).
inline constexpr std::string_view kModem = "Modem";
// Command strings of modems ("TEMPLATE" entries). Name: "<modem>/<number>"; an object created
// with the modem's name alone gets the next number on commit. List filter: the modem name.
inline constexpr std::string_view kModemCommand = "ModemCommand";
// Static routes of profiles. Name: "<binding profile>/<destination>/<mask>/<next hop>" when
// created without one. List filter: the binding profile.
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
// Mail (SMTP) and DHCP attributes: singletons named kSingletonName.
inline constexpr std::string_view kMailAttributes = "MailAttributes";
inline constexpr std::string_view kDhcpAttributes = "DhcpAttributes";
// Authorization lists. Name: the list name.
inline constexpr std::string_view kAuthorizationList = "AuthorizationList";
// Members of database files. Name: "<library>/<file>/<member>".
inline constexpr std::string_view kFileMember = "FileMember";
// TCP/IP servers and their state (DHCP server and the like). Name: the server name.
inline constexpr std::string_view kTcpipServer = "TcpipServer";
// The packet rules last activated on the system (attr::current_rules). Name: kSingletonName (an
// empty name means it too).
inline constexpr std::string_view kCurrentRulesList = "CNATCurrentRulesList";
// Checks a rules file (attr::verify_rules). Name: the file's server path, upper case.
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
inline constexpr std::array<std::string_view, 27> kAllKinds = {kProfile,
                                                               kLine,
                                                               kLineAssociation,
                                                               kLineModem,
                                                               kModem,
                                                               kModemCommand,
                                                               kRoute,
                                                               kValidationList,
                                                               kValidationListEntry,
                                                               kSystemValue,
                                                               kHardwareResource,
                                                               kTcpipInterface,
                                                               kNetworkInterface,
                                                               kConnectionList,
                                                               kConnectionListEntry,
                                                               kJob,
                                                               kSpooledFile,
                                                               kConnectionJob,
                                                               kRouteDaemonRecord,
                                                               kHostTableEntry,
                                                               kMailAttributes,
                                                               kDhcpAttributes,
                                                               kAuthorizationList,
                                                               kFileMember,
                                                               kTcpipServer,
                                                               kCurrentRulesList,
                                                               kVerifyRulesFile};

}  // namespace ptp::kinds
