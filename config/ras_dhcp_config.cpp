#include "config/ras_dhcp_config.h"

#include <array>

namespace ptp::config {
namespace {

// Writer order, which is also the order the parser tests the keys in.
constexpr std::array<ConfigKey, 2> kKeys{{
    {"ADDRESS=", "ADDRESS=", "", ""},
    {"SERVERTYPE=", "SERVERTYPE=", "", ""},
}};

constexpr ConfigRecordType kType{kKeys, -1};
static_assert(kKeys.size() == CPointToPointRASDHCPConfigData::kKeyCount);

}  // namespace

CPointToPointRASDHCPConfigData::CPointToPointRASDHCPConfigData() : CSizedConfigRecord(kType) {}

}  // namespace ptp::config
