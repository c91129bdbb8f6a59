#pragma once
// Status and reason codes of profiles and their connections (attr::profile::kStatus and
// kChangeStatus, attr::connection::kStatus and kReason). Naming scheme: see kinds.h.

namespace ptp::code {

// Profile and connection status. kInactive, kEnded, kFailed, kNotStarted and kEndedByOperator
// are the stopped states; every other code means the profile's job is running.
namespace status {
inline constexpr int kInactive = 1;
inline constexpr int kEnded = 2;
inline constexpr int kFailed = 3;          // ended with an error; the reason is on the connection
inline constexpr int kWaitingForCall = 4;  // an answer profile that is up and waits
inline constexpr int kStarting = 11;
inline constexpr int kDialing = 12;
inline constexpr int kNotStarted = 13;
inline constexpr int kActive = 14;
inline constexpr int kLcpStarting = 31;
inline constexpr int kLcpRequestSent = 33;
inline constexpr int kLcpOpened = 36;
inline constexpr int kIpcpStarting = 41;
inline constexpr int kIpcpRequestSent = 43;
inline constexpr int kIpcpOpened = 46;
inline constexpr int kEndedByOperator = 54;
inline constexpr int kOther = 255;  // the text is in attr::profile::kStatusText / connection's
}  // namespace status

// Reason codes of a connection.
namespace reason {
inline constexpr int kNone = 0;
inline constexpr int kOther = 255;  // the text is in attr::connection::kReasonText
inline constexpr int kEndedByUser = 257;
inline constexpr int kLineNotFound = 300;  // the profile's line description does not exist
inline constexpr int kLineInUse = 301;
}  // namespace reason

}  // namespace ptp::code
