#include "console/listen_address.h"

#include <arpa/inet.h>

namespace ptp::console {

bool IsLoopbackAddress(std::string_view address) {
    const std::string text(address);
    if (text == "localhost" || text == "::1") return true;
    in_addr v4{};
    if (inet_pton(AF_INET, text.c_str(), &v4) != 1) return false;
    return (ntohl(v4.s_addr) >> 24) == 127;
}

std::optional<std::string> RefuseListenAddress(std::string_view address, bool allowRemote) {
    if (IsLoopbackAddress(address) || allowRemote) return std::nullopt;
    return "--bind " + std::string(address) +
           " would let other machines reach this console, which administers your servers. Add "
           "--allow-remote if that is what you want.";
}

std::string RemoteListenWarning(std::string_view address) {
    if (IsLoopbackAddress(address)) return {};
    return "listening on " + std::string(address) +
           ": other machines can reach this console. Anyone who has the address below, with its "
           "token, can administer your servers; the connection is not encrypted.";
}

}  // namespace ptp::console
