#include "config/l2tp_line_config.h"

#include <array>

namespace ptp::config {
namespace {

// Writer order, which is also the order the parser tests the keys in.
constexpr std::array<ConfigKey, 19> kKeys{{
    {"LINENAME=", "LINENAME=", "", ""},
    {"FRAMING=", "FRAMING=", "0", "2"},
    {"BANDWIDTH=", "BANDWIDTH=", "115200", "57600"},
    {"MAXFRAMESIZE=", "MAXFRAMESIZE=", "1500", "2048"},
    {"ACTIVEPACKETNBR=", "ACTIVEPACKETNBR=", "0", "0"},
    {"ACTIVEPACKETSIZE=", "ACTIVEPACKETSIZE=", "0", "0"},
    {"ACTIVETUNNELKEEPALV=", "ACTIVETUNNELKEEPALV=", "1", "0"},
    {"AUTHRMTPEERPERIODIC=", "AUTHRMTPEERPERIODIC=", "0", "0"},
    {"AUTHRMTPEERINTERVAL=", "AUTHRMTPEERINTERVAL=", "0", "0"},
    {"MAXAUTHATTEMPTS=", "MAXAUTHATTEMPTS=", "5", "5"},
    {"LCPCFGRTYTIMER=", "LCPCFGRTYTIMER=", "3", "3"},
    {"LCPMAXCFGFAILURES=", "LCPMAXCFGFAILURES=", "5", "5"},
    {"LCPMAXCFGREQUESTS=", "LCPMAXCFGREQUESTS=", "10", "10"},
    {"LCPMAXTERMREQUESTS=", "LCPMAXTERMREQUESTS=", "2", "2"},
    {"RECOVERYCOUNTLIMIT=", "RECOVERYCOUNTLIMIT=", "6", "2"},
    {"RECOVERYTIME=", "RECOVERYTIME=", "32", "5"},
    {"REQRMTSYSID=", "REQRMTSYSID=", "0", "0"},
    {"VLDLNAME=", "VLDLNAME=", "", ""},
    {"LINEDESCRIPTION=", "LINEDESCRIPTION=", "", ""},
}};

constexpr ConfigRecordType kType{kKeys, 18};
static_assert(kKeys.size() == CPointToPointProfileL2TPLineData::kKeyCount);

}  // namespace

CPointToPointProfileL2TPLineData::CPointToPointProfileL2TPLineData() : CSizedConfigRecord(kType) {}

}  // namespace ptp::config
