#include "config/pppoe_line_config.h"

#include <array>

namespace ptp::config {
namespace {

// Writer order, which is also the order the parser tests the keys in.
constexpr std::array<ConfigKey, 14> kKeys{{
    {"PELINENAME=", "PELINENAME=", "", ""},
    {"PHYSICALLINENAME=", "PHYSICALLINENAME=", "", ""},
    {"PEMAXFRAMESIZE=", "PEMAXFRAMESIZE=", "1492", "1492"},
    {"KEEPACTIVESESALV=", "KEEPACTIVESESALV=", "0", "1"},
    {"PEAUTHRMTPEERPERIODIC=", "PEAUTHRMTPEERPERIODIC=", "0", "0"},
    {"PEAUTHRMTPEERINTERVAL=", "PEAUTHRMTPEERINTERVAL=", "0", "0"},
    {"PEMAXAUTHATTEMPTS=", "PEMAXAUTHATTEMPTS=", "5", "5"},
    {"PELCPCFGRTYTIMER=", "PELCPCFGRTYTIMER=", "3", "3"},
    {"PELCPMAXCFGFAILURES=", "PELCPMAXCFGFAILURES=", "5", "5"},
    {"PELCPMAXCFGREQUESTS=", "PELCPMAXCFGREQUESTS=", "10", "10"},
    {"PELCPMAXTERMREQUESTS=", "PELCPMAXTERMREQUESTS=", "2", "2"},
    {"PERECOVERYCOUNTLIMIT=", "PERECOVERYCOUNTLIMIT=", "6", "6"},
    {"PERECOVERYTIME=", "PERECOVERYTIME=", "32", "32"},
    {"PELINEDESCRIPTION=", "PELINEDESCRIPTION=", "", ""},
}};

constexpr ConfigRecordType kType{kKeys, 13};
static_assert(kKeys.size() == CPointToPointProfilePPPoELineData::kKeyCount);

}  // namespace

CPointToPointProfilePPPoELineData::CPointToPointProfilePPPoELineData()
    : CSizedConfigRecord(kType) {}

}  // namespace ptp::config
