#pragma once
// The console's own job lists, opened through its navigation: the server jobs of a profile (the
// JOBS command) and one user job (the Job button of the connection view). For the commands:
//
//   frame::OpenServerJobList(server, "QKTL_TOCPPP_SSN@", parent);   // JOBS
//
// A console without navigation gets a message saying so instead.
#include <string>
#include <string_view>

#include "platform/com/wintypes.h"

namespace ptp::frame {

// The job-name prefixes of the server jobs that serve SLIP and PPP profiles.
inline constexpr std::string_view kSlipJobPrefix = "QKTL_TOCSLIP_SSN@";
inline constexpr std::string_view kPppJobPrefix = "QKTL_TOCPPP_SSN@";

// The console paths of the two job lists, levels in item-id text form joined by U+000F.
[[nodiscard]] std::string ServerJobsPath();
[[nodiscard]] std::string UserJobsPath();
// Job name, user and number as one qualified job identifier ("%-10s%-10s%-6s").
[[nodiscard]] std::string QualifiedJobName(std::string_view name, std::string_view user,
                                           std::string_view number);

// True when the console opened the view.
bool OpenServerJobList(std::string_view server, std::string_view jobPrefix, HWND parent);
bool OpenUserJob(std::string_view server, std::string_view qualifiedJob, HWND parent);

}  // namespace ptp::frame
