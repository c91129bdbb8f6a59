#include "wizard/wdn_network_address.h"

#include "host/base_tcpip_address.h"

namespace ptp::wizard {

std::string NetworkOf(std::string_view address) {
    const host::CBaseTCPIPAddress parsed(address);
    if (!parsed.IsValid()) return {};
    const auto& parts = parsed.Parts();
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
           std::to_string(parts[2]) + ".0";
}

}  // namespace ptp::wizard
