#include "config/line_cnnlst_config.h"

#include <array>

namespace ptp::config {
namespace {

// Writer order, which is also the order the parser tests the keys in.
constexpr std::array<ConfigKey, 9> kKeys{{
    {"CNNLSTNAME=", "CNNLSTNAME=", "", ""},
    {"NETWORKTYPE=", "NETWORKTYPE=", "", ""},
    {"UNRESTRICTEDIN=", "UNRESTRICTEDIN=", "0", "0"},
    {"V110IN=", "V110IN=", "0", "0"},
    {"DOVIN=", "DOVIN=", "0", "0"},
    {"ASYNCIN=", "ASYNCIN=", "0", "0"},
    {"SYNCIN=", "SYNCIN=", "0", "0"},
    {"INFOXFERTYPEOUT=", "INFOXFERTYPEOUT=", "", ""},
    {"CNNLSTDESCRIPTION=", "CNNLSTDESCRIPTION=", "", ""},
}};

constexpr ConfigRecordType kType{kKeys, 8};
static_assert(kKeys.size() == CPointToPointProfileLineCnnlstData::kKeyCount);

}  // namespace

CPointToPointProfileLineCnnlstData::CPointToPointProfileLineCnnlstData()
    : CSizedConfigRecord(kType) {}

}  // namespace ptp::config
