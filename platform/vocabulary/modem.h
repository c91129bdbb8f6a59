#pragma once
// Modems (kinds::kModem) and their command entries (kinds::kModemCommand). Naming scheme: see
// kinds.h.
#include <string_view>

namespace ptp::attr::modem {
inline constexpr int kName = 0;    // at most 64 characters
inline constexpr int kSystem = 1;  // code::modem_system::kSupplied: read-only, not deletable
inline constexpr int kKind = 2;    // code::modem_kind
inline constexpr int kInitCommand = 3;
inline constexpr int kResetCommand = 4;
inline constexpr int kDialCommand = 5;
inline constexpr int kAnswerCommand = 6;
}  // namespace ptp::attr::modem

namespace ptp::attr::modem_command {
inline constexpr int kModemName = 0;
inline constexpr int kEntryKind = 1;  // code::modem_command::kTemplate for a modem's commands
inline constexpr int kNumber = 2;     // decimal, from 1
inline constexpr int kName = 3;       // at most 32 characters
inline constexpr int kValue = 4;      // at most 48 characters
inline constexpr int kModemKey = 5;   // the modem name in upper case
}  // namespace ptp::attr::modem_command

namespace ptp::code {

namespace modem_system {
inline constexpr std::string_view kSupplied = "1";
inline constexpr std::string_view kUserDefined = "0";
}  // namespace modem_system

namespace modem_kind {
inline constexpr std::string_view kAnalog = "1";
inline constexpr std::string_view kISDN = "2";
}  // namespace modem_kind

// Modem names with a meaning of their own in the line association list.
namespace modem_name {
inline constexpr std::string_view kNone = "NONE";
inline constexpr std::string_view kV25bis = "CCITT V.25BIS";
// What an asynchronous switched line on a plain port dials with unless told otherwise.
inline constexpr std::string_view kGenericHayes = "$generic hayes";
}  // namespace modem_name

namespace modem_command {
inline constexpr std::string_view kTemplate = "TEMPLATE";
inline constexpr int kMaxPerModem = 24;  // command entries one modem holds at most
}  // namespace modem_command

}  // namespace ptp::code
