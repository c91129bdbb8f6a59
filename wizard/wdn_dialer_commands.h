#pragma once
// The CL commands the dialer wizard runs: the new line, the mail router and its dial schedule,
// the mail relay's host-table entry, and the removal of a route the wizard no longer wants.
#include <string>
#include <string_view>
#include <vector>

namespace ptp::wizard {

// The new line as the line page holds it; every value already in the form the command takes,
// except the description, which the command quotes.
struct CWDNNewLineValues {
    std::string strName;
    std::string strResource;
    std::string strInterface;
    std::string strLineSpeed;
    int nMaxFrame = 0;
    std::string strInactivityTimer;
    std::string strDescription;
    std::string strMessageQueue;
    std::string strAuthority;
    std::string strModem;
};

[[nodiscard]] std::string BuildNewLineCommand(const CWDNNewLineValues& values);
// Whether a line dialling with `modem` has to switch the modem to asynchronous command mode.
[[nodiscard]] bool NeedsModemAsyncCommand(std::string_view modem);

// `interval` empty means the mail service's own interval.
[[nodiscard]] std::string BuildMailCommand(std::string_view router, bool scheduled,
                                           std::string_view profile, std::string_view interval);

[[nodiscard]] std::string BuildAddHostEntryCommand(std::string_view address,
                                                   std::string_view hostName);
[[nodiscard]] std::string BuildChangeHostEntryCommand(std::string_view address,
                                                      const std::vector<std::string>& names);

[[nodiscard]] std::string BuildRemoveRouteCommand(std::string_view destination,
                                                  std::string_view mask, std::string_view nextHop,
                                                  std::string_view profile);

}  // namespace ptp::wizard
