#pragma once
// Line descriptions (kinds::kLine), the line association list (kinds::kLineAssociation) and the
// line-to-modem associations (kinds::kLineModem). The line numbers are those the line sheets
// read and write. Naming scheme: see kinds.h.
#include <string_view>

namespace ptp::attr::line {
inline constexpr int kType = 0;  // code::line_type
inline constexpr int kName = 1;
inline constexpr int kPoolName = 2;  // the pool the line belongs to; empty for none
inline constexpr int kText = 4;      // description; "*BLANK" for none
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
inline constexpr int kResource = 29;  // "*NWID" for digital lines
inline constexpr int kInterface = 30;
inline constexpr int kFraming = 31;         // "*ASYNC" or "*SYNC"
inline constexpr int kConnectionType = 32;  // "*SWTPP", "*NONSWTPP", "*L2TP", "*PPPOE"
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
}  // namespace ptp::attr::line

// One entry per PPP line: the modem from its line-to-modem association, the line and its pool.
namespace ptp::attr::line_association {
inline constexpr int kModemName = 0;  // code::modem_name::kNone when the line has no modem
inline constexpr int kLineName = 1;
inline constexpr int kPoolName = 2;
}  // namespace ptp::attr::line_association

// Named after the line.
namespace ptp::attr::line_modem {
inline constexpr int kLineName = 0;
inline constexpr int kModemName = 1;
inline constexpr int kNumber = 4;  // written from release 050200
}  // namespace ptp::attr::line_modem

namespace ptp::code::line_type {
inline constexpr std::string_view kPPP = "*PPP";  // also the L2TP and PPPoE virtual lines
inline constexpr std::string_view kEthernet = "*ETH";
inline constexpr std::string_view kTokenRing = "*TRN";
}  // namespace ptp::code::line_type

// The values PPP line attributes carry, in the form the line commands take them.
namespace ptp::code::line_interface {
inline constexpr std::string_view kRS232V24 = "*RS232V24";
inline constexpr std::string_view kRS449V36 = "*RS449V36";
inline constexpr std::string_view kV35 = "*V35";
inline constexpr std::string_view kX21 = "*X21";
inline constexpr std::string_view kInternalModem = "*INTMODEM";
}  // namespace ptp::code::line_interface

namespace ptp::code::line_framing {
inline constexpr std::string_view kAsync = "*ASYNC";
inline constexpr std::string_view kSync = "*SYNC";
}  // namespace ptp::code::line_framing

namespace ptp::code::line_connection {
inline constexpr std::string_view kSwitched = "*SWTPP";
inline constexpr std::string_view kNonswitched = "*NONSWTPP";
}  // namespace ptp::code::line_connection

namespace ptp::code::line_switched_connection {
inline constexpr std::string_view kAnswer = "*ANS";
inline constexpr std::string_view kDial = "*DIAL";
inline constexpr std::string_view kBoth = "*BOTH";
}  // namespace ptp::code::line_switched_connection

namespace ptp::code::line_dial_command {
inline constexpr std::string_view kNone = "*NONE";
inline constexpr std::string_view kV25bis = "*V25BIS";
inline constexpr std::string_view kATCommand = "*ATCMD";
}  // namespace ptp::code::line_dial_command

namespace ptp::code::line_clock {
inline constexpr std::string_view kModem = "*MODEM";
inline constexpr std::string_view kLoop = "*LOOP";
inline constexpr std::string_view kInvert = "*INVERT";
}  // namespace ptp::code::line_clock

// Values several line attributes share.
namespace ptp::code::line_value {
inline constexpr std::string_view kYes = "*YES";
inline constexpr std::string_view kNo = "*NO";
inline constexpr std::string_view kNone = "*NONE";
inline constexpr std::string_view kNoMax = "*NOMAX";            // INACTTMR without a limit
inline constexpr std::string_view kHardware = "*HARDWARE";      // FLOWCNTL
inline constexpr std::string_view kSystemValue = "*SYSVAL";     // MSGQ and CMNRCYLMT
inline constexpr std::string_view kSystemOperator = "*SYSOPR";  // MSGQ
inline constexpr std::string_view kBlank = "*BLANK";            // TEXT
}  // namespace ptp::code::line_value

// The authority a new line description is created with (AUT), besides an authorization list.
namespace ptp::code::line_authority {
inline constexpr std::string_view kLibraryCreate = "*LIBCRTAUT";
inline constexpr std::string_view kExclude = "*EXCLUDE";
inline constexpr std::string_view kUse = "*USE";
inline constexpr std::string_view kChange = "*CHANGE";
inline constexpr std::string_view kAll = "*ALL";
}  // namespace ptp::code::line_authority
