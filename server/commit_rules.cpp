#include "server/commit_rules.h"

#include <initializer_list>
#include <set>
#include <string>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "server/messages.h"
#include "server/object_rules.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

namespace prf = attr::profile;
namespace vl = attr::validation_list_entry;

constexpr std::size_t kMaxDescription = 50;
constexpr std::size_t kMaxNumber = 32;
constexpr std::size_t kMaxPoolName = 64;

Error BadValue(std::string_view value, int id, std::string_view object, std::string_view why) {
    return Message("TCP8A20", {value, std::to_string(id), object, why});
}

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
            return BadValue(profile.Get(id), id, profile.name, "not a number");
    }
    const long protocol = profile.GetInt(prf::kProtocol, 2);
    if (protocol != 1 && protocol != 2)
        return BadValue(profile.Get(prf::kProtocol), prf::kProtocol, profile.name,
                        "the protocol is 1 (SLIP) or 2 (PPP)");
    if (!profile.Has(prf::kLineService)) return Status::Ok();
    const long lineService = profile.GetInt(prf::kLineService);
    if (lineService < 1 || lineService > 3)
        return BadValue(profile.Get(prf::kLineService), prf::kLineService, profile.name,
                        "the line service is 1, 2 or 3");
    if (!profile.Has(prf::kMode)) return Status::Ok();
    const long mode = profile.GetInt(prf::kMode);
    if (!IsModeOf(lineService, mode))
        return BadValue(profile.Get(prf::kMode), prf::kMode, profile.name,
                        "the mode does not exist for line service " + std::to_string(lineService));
    if (protocol == 1 && (lineService != 1 || mode > 2))
        return BadValue(profile.Get(prf::kProtocol), prf::kProtocol, profile.name,
                        "SLIP only dials or answers on switched lines");
    return Status::Ok();
}

// An integer a client gives must be one the server keeps for that attribute.
struct IntegerRule {
    int id;
    long low;
    long high;
};

constexpr IntegerRule kConnectionIntegers[] = {
    {prf::kLineUse, 1, 2},
    {prf::kMaxConnections, 1, 1000},
    {prf::kMultilink, 0, 1},
    {prf::kNumericSettingOn, 0, 1},
    {prf::kRedialOnDrop, 0, 1},
    {prf::kMaxLinks, 1, 1000},
    {prf::kMultilinkShortHeaders, 0, 1},
    {prf::kBandwidthOnDemand, 0, 1},
    {prf::kAddLinkPeriod, 5, 3600},
    {prf::kDropLinkPeriod, 5, 3600},
    {prf::kBandwidthDirection, 1, 2},
    {prf::kNumberUse, 1, 3},
    {prf::kRedialAttempts, 1, 10},
    {prf::kRedialDelay, 1, 60},
};

// The percentages the server offers for adding and dropping links.
bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> allowed) {
    for (std::string_view one : allowed) {
        if (value == one) return true;
    }
    return false;
}

Status CheckStagedInteger(const Attributes& staged, std::string_view profile,
                          const IntegerRule& rule) {
    auto value = staged.find(rule.id);
    if (value == staged.end()) return Status::Ok();
    const std::string& text = value->second;
    if (IsDecimal(text) && text.size() <= 6) {
        const long number = std::stol(text);
        if (number >= rule.low && number <= rule.high) return Status::Ok();
    }
    return BadValue(
        text, rule.id, profile,
        "not in the range " + std::to_string(rule.low) + " to " + std::to_string(rule.high));
}

// The connection values of a profile that a client gives; values it does not give stay as they
// are, so a profile whose line was deleted can still be changed in other respects.
Status CheckConnectionValues(const Attributes& staged, std::string_view profile) {
    for (const IntegerRule& rule : kConnectionIntegers) {
        if (auto s = CheckStagedInteger(staged, profile, rule); !s) return s;
    }
    if (auto kind = staged.find(prf::kLineKind);
        kind != staged.end() && !IsOneOf(kind->second, {"1", "2", "3", "4", "5", "6", "8"}))
        return BadValue(kind->second, prf::kLineKind, profile, "not a kind of line");
    if (auto setting = staged.find(prf::kNumericSetting); setting != staged.end()) {
        const std::string& text = setting->second;
        const bool valid = text == "0" || (IsDecimal(text) && text.size() <= 5 &&
                                           std::stol(text) >= 15 && std::stol(text) <= 65535);
        if (!valid) return BadValue(text, prf::kNumericSetting, profile, "0, or 15 to 65535");
    }
    if (auto add = staged.find(prf::kAddLinkPercentage);
        add != staged.end() &&
        !IsOneOf(add->second, {"1", "5", "10", "25", "50", "75", "90", "95", "100"}))
        return BadValue(add->second, prf::kAddLinkPercentage, profile, "not an offered percentage");
    if (auto drop = staged.find(prf::kDropLinkPercentage);
        drop != staged.end() &&
        !IsOneOf(drop->second, {"0", "5", "10", "25", "40", "50", "75", "90", "95"}))
        return BadValue(drop->second, prf::kDropLinkPercentage, profile,
                        "not an offered percentage");
    for (int id : {prf::kRemoteNumber1, prf::kRemoteNumber2, prf::kRemoteNumber3,
                   prf::kRemoteNumber4, prf::kRemoteNumber5, prf::kRemoteNumber6}) {
        auto number = staged.find(id);
        if (number != staged.end() && number->second.size() > kMaxNumber)
            return BadValue(number->second, id, profile, "longer than 32 characters");
    }
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
        return BadValue(line, prf::kLineName, profile.name,
                        "the line's connection type is not " + std::string(wanted));
    const long kind = profile.GetInt(prf::kLineKind, 1);
    if ((kind == 4 || kind == 5) && !EqualsNoCase(record->Get(attr::line::kResource), "*NWID"))
        return BadValue(line, prf::kLineName, profile.name, "not an ISDN line");
    return Status::Ok();
}

// A pool exists while one PPP line of the wanted connection type belongs to it.
Status CheckProfilePool(ObjectTx& tx, const ObjectRecord& profile, std::string_view pool) {
    const std::string_view wanted = WantedConnectionType(profile.GetInt(prf::kLineService));
    if (wanted.empty() || pool.empty()) return Status::Ok();
    if (pool.size() > kMaxPoolName)
        return BadValue(pool, prf::kPoolName, profile.name, "longer than 64 characters");
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

Status CheckProfileConnection(ObjectTx& tx, const ObjectRecord& after, Attributes& staged) {
    if (auto s = CheckConnectionValues(staged, after.name); !s) return s;
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
    if (auto s = CheckProfileConnection(tx, after, staged); !s) return s;
    const std::string description = after.Get(prf::kDescription);
    if (description.size() > kMaxDescription)
        return BadValue(description, prf::kDescription, key, "longer than 50 characters");
    if (after.Has(prf::kAutoStart) && after.Get(prf::kAutoStart) != "0" &&
        after.Get(prf::kAutoStart) != "1")
        return BadValue(after.Get(prf::kAutoStart), prf::kAutoStart, key, "the value is 0 or 1");
    const std::string list = after.Get(prf::kValidationList);
    if (!list.empty() && list != "NOTDEFINED" && !IsObjectName(list))
        return BadValue(list, prf::kValidationList, key, "not a valid validation list name");
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
    return Status::Ok();
}

Status CheckSystemValue(std::string_view key, const Attributes& staged) {
    auto value = staged.find(attr::system_value::kValue);
    if (value == staged.end() || key != "QRETSVRSEC") return Status::Ok();
    if (value->second == "0" || value->second == "1") return Status::Ok();
    return BadValue(value->second, attr::system_value::kValue, key, "the value is 0 or 1");
}

}  // namespace

Status CheckClientCommit(ObjectTx& tx, std::string_view kind, std::string_view key, bool created,
                         Attributes& staged) {
    if (kind == kinds::kProfile) return CheckProfile(tx, key, created, staged);
    if (kind == kinds::kValidationListEntry) return CheckValidationListEntry(tx, key, staged);
    if (kind == kinds::kSystemValue) return CheckSystemValue(key, staged);
    return Status::Ok();
}

}  // namespace ptp::server
