#include "config/ras_config.h"

#include <array>

namespace ptp::config {
namespace {

// Writer order, which is also the order the parser tests the keys in.
constexpr std::array<ConfigKey, 6> kKeys{{
    {"RADIUS_ENABLED=", "RADIUS_ENABLED", "0", "0"},
    {"RADIUS_ACCT_SERVER_ENABLED=", "RADIUS_ACCT_SERVER_ENABLED", "0", "0"},
    {"RADIUS_AUTH_SERVER_ENABLED=", "RADIUS_AUTH_SERVER_ENABLED", "0", "0"},
    {"RADIUS_ADDRESS_CONFIG_ENABLED=", "RADIUS_ADDRESS_CONFIG_ENABLED", "0", "0"},
    {"DHCP_WAN_CLIENT_ENABLED=", "DHCP_WAN_CLIENT_ENABLED", "0", "0"},
    {"DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=", "DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS", "", ""},
}};

constexpr ConfigRecordType kType{kKeys, -1, false};
static_assert(kKeys.size() == CPointToPointRASConfigData::kKeyCount);

}  // namespace

CPointToPointRASConfigData::CPointToPointRASConfigData() : CSizedConfigRecord(kType) {}

}  // namespace ptp::config
