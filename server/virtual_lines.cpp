#include "server/virtual_lines.h"

#include <sstream>
#include <string>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "server/object_tx.h"
#include "server/stream_files.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

namespace prf = attr::profile;

// The value of the token that starts with `key` on one record line, or empty.
std::string ValueOf(const std::string& line, std::string_view key) {
    std::istringstream tokens(line);
    for (std::string token; tokens >> token;) {
        if (token.size() >= key.size() && token.compare(0, key.size(), key) == 0)
            return token.substr(key.size());
    }
    return {};
}

}  // namespace

bool IsVirtualLineRecorded(StreamFiles& files, ObjectTx& tx, const ObjectRecord& profile) {
    const std::string type = profile.Get(prf::kLineType);
    const bool l2tp = EqualsNoCase(type, code::profile_line_type::kL2TP);
    const bool pppoe = EqualsNoCase(type, code::profile_line_type::kPPPoE);
    const std::string line = profile.Get(prf::kLineName);
    if ((!l2tp && !pppoe) || line.empty()) return false;
    auto file = files.Read(l2tp ? kL2TPLineFile : kPPPoELineFile);
    if (!file) return false;
    std::istringstream records(file->text);
    for (std::string record; std::getline(records, record);) {
        if (!EqualsNoCase(ValueOf(record, l2tp ? "LINENAME=" : "PELINENAME="), line)) continue;
        if (l2tp) return true;
        const std::string ethernet = UpperAscii(ValueOf(record, "PHYSICALLINENAME="));
        auto carrier = tx.Get(kinds::kLine, ethernet);
        return carrier && EqualsNoCase(carrier->Get(attr::line::kType), code::line_type::kEthernet);
    }
    return false;
}

}  // namespace ptp::server
