#include "server/commit_rules.h"

#include <set>
#include <string>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "server/messages.h"
#include "server/object_rules.h"
#include "server/profile_setting_rules.h"
#include "server/route_rules.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

namespace prf = attr::profile;
namespace vl = attr::validation_list_entry;

constexpr std::size_t kMaxDescription = 50;
constexpr std::size_t kMaxPoolName = 64;
constexpr std::size_t kMaxEntryData = 256;

bool IsStoppedStatus(std::string_view status) {
    return status.empty() || status == "1" || status == "2" || status == "3" || status == "13" ||
           status == "54";
}

// The modes the server runs on each line service.
bool IsModeOf(long lineService, long mode) {
    static const std::set<long> switched = {1, 2, 3, 4, 6};
    static const std::set<long> nonswitched = {1, 2};
    static const std::set<long> virtualLine = {1, 2, 3, 5, 7, 8, 9};
    if (lineService == 1) return switched.count(mode) != 0;
    if (lineService == 2) return nonswitched.count(mode) != 0;
    if (lineService == 3) return virtualLine.count(mode) != 0;
    return false;
}

bool IsDecimal(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The protocol, line service and mode a profile has must fit together; a value the client has
// not given yet is not judged.
Status CheckProfileKind(const ObjectRecord& profile) {
    for (int id : {prf::kProtocol, prf::kLineService, prf::kMode}) {
        if (profile.Has(id) && !IsDecimal(profile.Get(id)))
            return BadAttribute(profile.Get(id), id, profile.name, "not a number");
    }
    const long protocol = profile.GetInt(prf::kProtocol, 2);
    if (protocol != 1 && protocol != 2)
        return BadAttribute(profile.Get(prf::kProtocol), prf::kProtocol, profile.name,
                            "the protocol is 1 (SLIP) or 2 (PPP)");
    if (!profile.Has(prf::kLineService)) return Status::Ok();
    const long lineService = profile.GetInt(prf::kLineService);
    if (lineService < 1 || lineService > 3)
        return BadAttribute(profile.Get(prf::kLineService), prf::kLineService, profile.name,
                            "the line service is 1, 2 or 3");
    if (!profile.Has(prf::kMode)) return Status::Ok();
    const long mode = profile.GetInt(prf::kMode);
    if (!IsModeOf(lineService, mode))
        return BadAttribute(
            profile.Get(prf::kMode), prf::kMode, profile.name,
            "the mode does not exist for line service " + std::to_string(lineService));
    if (protocol == 1 && (lineService != 1 || mode > 2))
        return BadAttribute(profile.Get(prf::kProtocol), prf::kProtocol, profile.name,
                            "SLIP only dials or answers on switched lines");
    return Status::Ok();
}

// The connection type of the lines a profile of `lineService` runs on; empty for virtual lines,
// whose own pages choose their lines.
std::string_view WantedConnectionType(long lineService) {
    if (lineService == 1) return "*SWTPP";
    if (lineService == 2) return "*NONSWTPP";
    return {};
}

// A line the profile names must be a PPP line of the system that runs the profile's line
// service; an ISDN kind needs a digital line.
Status CheckProfileLine(ObjectTx& tx, const ObjectRecord& profile, std::string_view line) {
    const std::string_view wanted = WantedConnectionType(profile.GetInt(prf::kLineService));
    if (wanted.empty() || line.empty()) return Status::Ok();
    auto record = tx.Get(kinds::kLine, UpperAscii(line));
    if (!record || !EqualsNoCase(record->Get(attr::line::kType), "*PPP"))
        return Message("TCP8205", {line, "*LIND"});
    if (!EqualsNoCase(record->Get(attr::line::kConnectionType), wanted))
        return BadAttribute(line, prf::kLineName, profile.name,
                            "the line's connection type is not " + std::string(wanted));
    const long kind = profile.GetInt(prf::kLineKind, 1);
    if ((kind == 4 || kind == 5) && !EqualsNoCase(record->Get(attr::line::kResource), "*NWID"))
        return BadAttribute(line, prf::kLineName, profile.name, "not an ISDN line");
    return Status::Ok();
}

// A pool exists while one PPP line of the wanted connection type belongs to it.
Status CheckProfilePool(ObjectTx& tx, const ObjectRecord& profile, std::string_view pool) {
    const std::string_view wanted = WantedConnectionType(profile.GetInt(prf::kLineService));
    if (wanted.empty() || pool.empty()) return Status::Ok();
    if (pool.size() > kMaxPoolName)
        return BadAttribute(pool, prf::kPoolName, profile.name, "longer than 64 characters");
    ListFilter members;
    members.equals.emplace_back(attr::line::kType, "*PPP");
    auto lines = tx.List(kinds::kLine, members);
    if (!lines) return lines.error();
    for (const auto& line : *lines) {
        if (EqualsNoCase(line.Get(attr::line::kPoolName), pool) &&
            EqualsNoCase(line.Get(attr::line::kConnectionType), wanted))
            return Status::Ok();
    }
    return Message("TCP8205", {pool, "*LINPOOL"});
}

// What the profiles list shows as the line type: clients write "*PPP", the kind of line
// description; the server keeps the kind the profile runs on.
std::string ListedLineType(ObjectTx& tx, const ObjectRecord& profile) {
    switch (profile.GetInt(prf::kLineKind, 1)) {
        case 2:
        case 3:
            return "*POOL";
        case 4:
        case 5:
            return "*ISDN";
        case 6:
            return "*L2TP";
        case 8:
            return "*PPPOE";
        default:
            break;
    }
    auto line = tx.Get(kinds::kLine, UpperAscii(profile.Get(prf::kLineName)));
    if (line && EqualsNoCase(line->Get(attr::line::kFraming), "*SYNC")) return "*SYNC";
    return "*ASYNC";
}

// The line or pool a client names, and what the server keeps as the profile's line type.
Status CheckProfileLines(ObjectTx& tx, const ObjectRecord& after, Attributes& staged) {
    if (auto line = staged.find(prf::kLineName); line != staged.end()) {
        if (auto s = CheckProfileLine(tx, after, line->second); !s) return s;
    }
    if (auto pool = staged.find(prf::kPoolName); pool != staged.end()) {
        if (auto s = CheckProfilePool(tx, after, pool->second); !s) return s;
    }
    if (auto type = staged.find(prf::kLineType);
        type != staged.end() && EqualsNoCase(type->second, "*PPP"))
        type->second = ListedLineType(tx, after);
    return Status::Ok();
}

Status CheckProfile(ObjectTx& tx, std::string_view key, bool created, Attributes& staged) {
    auto stored = tx.Get(kinds::kProfile, key);
    if (created && stored) return Message("CPF2112", {key, kinds::kProfile});
    ObjectRecord after{std::string(kinds::kProfile), std::string(key), {}};
    if (stored) {
        if (!IsStoppedStatus(stored->Get(prf::kStatus))) return Message("TCP8A25", {key});
        after = *stored;
    }
    for (const auto& [id, value] : staged)
        after.attributes[id] = value;
    if (auto s = CheckProfileKind(after); !s) return s;
    if (auto s = CheckProfileLines(tx, after, staged); !s) return s;
    const std::string description = after.Get(prf::kDescription);
    if (description.size() > kMaxDescription)
        return BadAttribute(description, prf::kDescription, key, "longer than 50 characters");
    if (after.Has(prf::kAutoStart) && after.Get(prf::kAutoStart) != "0" &&
        after.Get(prf::kAutoStart) != "1")
        return BadAttribute(after.Get(prf::kAutoStart), prf::kAutoStart, key,
                            "the value is 0 or 1");
    const std::string list = after.Get(prf::kValidationList);
    if (!list.empty() && list != "NOTDEFINED" && !IsObjectName(list))
        return BadAttribute(list, prf::kValidationList, key, "not a valid validation list name");
    if (auto s = CheckProfileSettings(tx, after, staged); !s) return s;
    if (stored) return Status::Ok();
    // A new profile starts stopped.
    staged.emplace(prf::kName, std::string(key));
    staged.emplace(prf::kStatus, "1");
    staged.emplace(prf::kChangeStatus, "1");
    staged.emplace(prf::kJobName, "");
    return Status::Ok();
}

// An entry belongs to a validation list the system has.
Status CheckValidationListEntry(ObjectTx& tx, std::string_view key, const Attributes& staged) {
    auto list = staged.find(vl::kListName);
    std::string name =
        list != staged.end() ? list->second : std::string(key.substr(0, key.find('/')));
    if (!tx.Exists(kinds::kValidationList, UpperAscii(name))) return Message("CPF226D", {name});
    for (int id : {vl::kData1, vl::kData2}) {
        auto data = staged.find(id);
        if (data != staged.end() && data->second.size() > kMaxEntryData)
            return BadAttribute(id == vl::kData2 ? "*****" : data->second, id, key,
                                "longer than 256 bytes");
    }
    auto length = staged.find(vl::kIdentifierLength);
    if (length == staged.end()) return Status::Ok();
    const std::string hex(key.substr(key.find('/') + 1));
    if (length->second != std::to_string(hex.size() / 2 + 1))
        return BadAttribute(length->second, vl::kIdentifierLength, key,
                            "the identifier has " + std::to_string(hex.size() / 2) +
                                " bytes and a terminating zero");
    return Status::Ok();
}

Status CheckSystemValue(std::string_view key, const Attributes& staged) {
    auto value = staged.find(attr::system_value::kValue);
    if (value == staged.end() || key != "QRETSVRSEC") return Status::Ok();
    if (value->second == "0" || value->second == "1") return Status::Ok();
    return BadAttribute(value->second, attr::system_value::kValue, key, "the value is 0 or 1");
}

// A route daemon record names its interface and says how RIP runs there, if at all.
Status CheckRouteDaemonRecord(std::string_view key, const Attributes& staged) {
    namespace rtd = attr::route_daemon;
    auto value = [&](int id) {
        auto it = staged.find(id);
        return it == staged.end() ? std::string() : it->second;
    };
    if (staged.count(rtd::kInterfaceName) && !EqualsNoCase(value(rtd::kInterfaceName), key))
        return BadAttribute(value(rtd::kInterfaceName), rtd::kInterfaceName, key,
                            "the record is named after its interface");
    const std::string version = value(rtd::kRipVersion);
    if (!version.empty() && version != "RIP1" && version != "RIP2")
        return BadAttribute(version, rtd::kRipVersion, key, "the RIP version is RIP1 or RIP2");
    const std::string supply = value(rtd::kSupplyMode);
    if (!supply.empty() && supply != "FULL" && supply != "LIMITED")
        return BadAttribute(supply, rtd::kSupplyMode, key, "the supply mode is FULL or LIMITED");
    if (!supply.empty() && version.empty())
        return BadAttribute(supply, rtd::kSupplyMode, key, "a supply mode needs a RIP version");
    return Status::Ok();
}

// A line description changes only while no running profile holds it, and keeps a description
// the line commands would accept.
Status CheckLine(ObjectTx& tx, std::string_view key, const Attributes& staged) {
    if (!tx.Exists(kinds::kLine, key)) return Status::Ok();
    ListFilter users;
    users.equals.emplace_back(prf::kLineName, std::string(key));
    auto profiles = tx.List(kinds::kProfile, users);
    if (!profiles) return profiles.status();
    for (const ObjectRecord& profile : *profiles) {
        if (!IsStoppedStatus(profile.Get(prf::kStatus))) return Message("CPF2113", {key});
    }
    auto text = staged.find(attr::line::kText);
    if (text != staged.end() && text->second.size() > kMaxDescription)
        return BadAttribute(text->second, attr::line::kText, key, "longer than 50 characters");
    return Status::Ok();
}

// A line-to-modem association belongs to a line the system has.
Status CheckLineModem(ObjectTx& tx, std::string_view key) {
    if (tx.Exists(kinds::kLine, key)) return Status::Ok();
    return Message("CPF2105", {key, "*LIND"});
}

}  // namespace

Status CheckClientCommit(ObjectTx& tx, std::string_view kind, std::string_view key, bool created,
                         Attributes& staged) {
    if (kind == kinds::kProfile) return CheckProfile(tx, key, created, staged);
    if (kind == kinds::kValidationListEntry) return CheckValidationListEntry(tx, key, staged);
    if (kind == kinds::kSystemValue) return CheckSystemValue(key, staged);
    if (kind == kinds::kRouteDaemonRecord) return CheckRouteDaemonRecord(key, staged);
    if (kind == kinds::kRoute) return CheckRouteCommit(tx, key, created, staged);
    if (kind == kinds::kLine) return CheckLine(tx, key, staged);
    if (kind == kinds::kLineModem) return CheckLineModem(tx, key);
    return Status::Ok();
}

}  // namespace ptp::server
