#pragma once
// The network of an address under the mask 255.255.255.0: the routes of the mail relay and of
// the routes page reach whole networks of that size.
#include <string>
#include <string_view>

namespace ptp::wizard {

// "10.8.4.77" gives "10.8.4.0"; an address that is not valid gives an empty text.
[[nodiscard]] std::string NetworkOf(std::string_view address);

}  // namespace ptp::wizard
