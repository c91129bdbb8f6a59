#pragma once
// The server objects of packet rules: the rules last activated (kinds::kCurrentRulesList) and the
// check of a rules file (kinds::kVerifyRulesFile). Naming scheme: see kinds.h.

// One line of the active rules per attribute.
namespace ptp::attr::current_rules {
inline constexpr int kLineCount = 1;
inline constexpr int kFirstLine = 1000;  // line i is attribute kFirstLine + i
}  // namespace ptp::attr::current_rules

// The caller sets its value and the VPN-file flag; reading an operation attribute runs that check
// and gives code::verify_result; the finding count then tells how many findings it had.
namespace ptp::attr::verify_rules {
inline constexpr int kCallerValue = 1;
inline constexpr int kVpnFileMissing = 2;      // "1" when the VPN policy filters file is missing
inline constexpr int kOperationAll = 10;       // the file parses and its includes exist
inline constexpr int kOperationSyntax = 11;    // the file parses
inline constexpr int kOperationIncludes = 12;  // its includes exist
inline constexpr int kFindingCount = 20;
inline constexpr int kFirstFinding = 1000;  // finding i is attribute kFirstFinding + i
}  // namespace ptp::attr::verify_rules

namespace ptp::code::verify_result {
inline constexpr int kClean = 0;
inline constexpr int kFindings = 1;
inline constexpr int kUnreadable = 2;
}  // namespace ptp::code::verify_result
