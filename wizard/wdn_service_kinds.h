#pragma once
// The kinds of WDN network service an account subscribes to, in the order the pages offer them,
// with the addresses of the servers each kind's subscribers reach through the connection.
#include <array>
#include <string_view>

namespace ptp::wizard {

struct CWDNServiceKind {
    std::string_view name;
    unsigned label;  // resource text of the choice
    std::array<std::string_view, 2> servers;
};

// Null outside 0 to 3.
[[nodiscard]] const CWDNServiceKind* ServiceKindAt(int index);
[[nodiscard]] const CWDNServiceKind* FindServiceKind(std::string_view name);
[[nodiscard]] constexpr int ServiceKindCount() {
    return 4;
}

}  // namespace ptp::wizard
