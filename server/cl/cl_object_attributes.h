#pragma once
// Attribute numbers of the objects the CL commands create and change, beyond those in
// host/object_kinds.h. The numbers of PPP lines are the ones the line sheets read and write.
namespace ptp::server::cl::attr {

namespace line {
inline constexpr int kType = 0;  // "*PPP" or "*ETH"
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

}  // namespace ptp::server::cl::attr
