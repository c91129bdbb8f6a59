#pragma once
// The server objects a rules file uses, and their attribute numbers.
#include <string_view>

namespace ptp::rules {

// The rules last activated on the system, one line per attribute.
inline constexpr std::string_view kCurrentRulesListKind = "CNATCurrentRulesList";
inline constexpr int kCurrentRulesLineCount = 1;
inline constexpr int kCurrentRulesFirstLine = 1000;  // line i is attribute 1000 + i

// Checks a rules file on the server. Created with the upper-cased path as its name; the caller's
// value and the VPN-file flag are set as attributes, and reading an operation attribute runs it
// and gives its result. The result count tells how many findings the last operation had.
inline constexpr std::string_view kVerifyRulesFileKind = "CNATVerifyRulesFile";
inline constexpr int kVerifyCallerValue = 1;
inline constexpr int kVerifyVpnFileMissing = 2;
inline constexpr int kVerifyOperationAll = 10;       // the file parses and its includes exist
inline constexpr int kVerifyOperationSyntax = 11;    // the file parses
inline constexpr int kVerifyOperationIncludes = 12;  // its includes exist
inline constexpr int kVerifyResultCount = 20;
inline constexpr int kVerifyFirstFinding = 1000;  // finding i is attribute 1000 + i

}  // namespace ptp::rules
