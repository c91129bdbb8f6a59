#include "config/group_policy_config.h"

#include <array>

namespace ptp::config {
namespace {

// Writer order, which is also the order the parser tests the keys in.
constexpr std::array<ConfigKey, 9> kKeys{{
    {"GROUPPOLICY=", "GROUPPOLICY=", "", ""},
    {"MULTILINKENABLE=", "MULTILINKENABLE=", "0", "0"},
    {"MULTILINKMAXLINKS=", "MULTILINKMAXLINKS=", "2", "2"},
    {"MULTILINKBACP=", "MULTILINKBACP=", "0", "0"},
    {"TCPIPFORWARDING=", "TCPIPFORWARDING=", "0", "0"},
    {"TCPVJ=", "TCPVJ=", "0", "0"},
    {"TCPUSEFILTER=", "TCPUSEFILTER=", "0", "0"},
    {"TCPFILTERNAME=", "TCPFILTERNAME=", "", ""},
    {"DESCRIPTION=", "DESCRIPTION=", "", ""},
}};

constexpr ConfigRecordType kType{kKeys, 8};
static_assert(kKeys.size() == CPointToPointProfileGroupPolicyConfigData::kKeyCount);

}  // namespace

CPointToPointProfileGroupPolicyConfigData::CPointToPointProfileGroupPolicyConfigData()
    : CSizedConfigRecord(kType) {}

}  // namespace ptp::config
