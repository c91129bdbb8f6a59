// Every record type reads any line without harm, and a record it accepts writes a line that reads
// back to the same record.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/group_policy_config.h"
#include "config/l2tp_line_config.h"
#include "config/line_cnnlst_config.h"
#include "config/pppoe_line_config.h"
#include "config/ras_config.h"
#include "config/ras_dhcp_config.h"

namespace {

template <class TFile>
void CheckType(std::string_view line) {
    auto record = TFile::CreateRecord(line);
    if (!record) return;
    const std::string written = record->ToLine();
    auto back = TFile::CreateRecord(written);
    if (!back || back->ToLine() != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    using namespace ptp::config;
    CheckType<CPointToPointProfileGroupPolicyConfigFile>(line);
    CheckType<CPointToPointProfileL2TPLineConfigFile>(line);
    CheckType<CPointToPointProfilePPPoELineConfigFile>(line);
    CheckType<CPointToPointProfileLineCnnlstConfigFile>(line);
    CheckType<CPointToPointRASConfigFile>(line);
    CheckType<CPointToPointRASDHCPConfigFile>(line);
    return 0;
}
