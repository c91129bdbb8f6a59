#include "server/profile_setting_rules.h"

#include <initializer_list>
#include <string>

#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "server/messages.h"
#include "server/object_rules.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

namespace prf = attr::profile;

constexpr long kMaxCcsid = 65535;
constexpr std::size_t kMaxNumber = 32;
constexpr long kLowestTimeOut = 15;
constexpr long kHighestTimeOut = 65535;

bool IsStaged(const Attributes& staged, int id) {
    return staged.count(id) != 0;
}

bool IsNumberIn(std::string_view text, long low, long high) {
    if (text.empty() || text.size() > 9) return false;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
}

// A staged attribute must be a number from `low` to `high`.
Status CheckRange(const ObjectRecord& after, const Attributes& staged, int id, long low, long high,
                  std::string_view why) {
    if (!IsStaged(staged, id) || IsNumberIn(after.Get(id), low, high)) return Status::Ok();
    return BadAttribute(after.Get(id), id, after.name, why);
}

Status CheckSwitch(const ObjectRecord& after, const Attributes& staged, int id) {
    return CheckRange(after, staged, id, 0, 1, "the value is 0 or 1");
}

Status CheckOneOf(const ObjectRecord& after, const Attributes& staged, int id,
                  std::initializer_list<std::string_view> allowed, std::string_view why) {
    if (!IsStaged(staged, id)) return Status::Ok();
    for (std::string_view value : allowed) {
        if (after.Get(id) == value) return Status::Ok();
    }
    return BadAttribute(after.Get(id), id, after.name, why);
}

// The line, numbers, multilink and redial settings of the connection pages.
Status CheckConnection(const ObjectRecord& after, const Attributes& staged) {
    struct Range {
        int id;
        long low;
        long high;
        std::string_view why;
    };
    static constexpr Range kRanges[] = {
        {prf::kLineUse, 1, 2, "the value is 1 or 2"},
        {prf::kMaxConnections, 1, 1000, "from 1 to 1000 connections"},
        {prf::kMaxLinks, 1, 1000, "from 1 to 1000 links"},
        {prf::kAddLinkPeriod, 5, 3600, "from 5 to 3600 seconds"},
        {prf::kDropLinkPeriod, 5, 3600, "from 5 to 3600 seconds"},
        {prf::kBandwidthDirection, 1, 2, "the value is 1 or 2"},
        {prf::kNumberUse, 1, 3, "the value is 1, 2 or 3"},
        {prf::kRedialAttempts, 1, 10, "from 1 to 10 attempts"},
        {prf::kRedialDelay, 1, 60, "from 1 to 60 seconds"},
    };
    for (const Range& range : kRanges) {
        if (auto s = CheckRange(after, staged, range.id, range.low, range.high, range.why); !s)
            return s;
    }
    for (int id : {prf::kMultilink, prf::kNumericSettingOn, prf::kRedialOnDrop,
                   prf::kMultilinkShortHeaders, prf::kBandwidthOnDemand}) {
        if (auto s = CheckSwitch(after, staged, id); !s) return s;
    }
    if (auto s = CheckOneOf(after, staged, prf::kLineKind, {"1", "2", "3", "4", "5", "6", "8"},
                            "not a kind of line");
        !s)
        return s;
    if (IsStaged(staged, prf::kNumericSetting) && after.Get(prf::kNumericSetting) != "0") {
        if (auto s = CheckRange(after, staged, prf::kNumericSetting, kLowestTimeOut,
                                kHighestTimeOut, "0, or 15 to 65535 seconds");
            !s)
            return s;
    }
    if (auto s = CheckOneOf(after, staged, prf::kAddLinkPercentage,
                            {"1", "5", "10", "25", "50", "75", "90", "95", "100"},
                            "not an offered percentage");
        !s)
        return s;
    if (auto s = CheckOneOf(after, staged, prf::kDropLinkPercentage,
                            {"0", "5", "10", "25", "40", "50", "75", "90", "95"},
                            "not an offered percentage");
        !s)
        return s;
    for (int id : {prf::kRemoteNumber1, prf::kRemoteNumber2, prf::kRemoteNumber3,
                   prf::kRemoteNumber4, prf::kRemoteNumber5, prf::kRemoteNumber6}) {
        if (IsStaged(staged, id) && after.Get(id).size() > kMaxNumber)
            return BadAttribute(after.Get(id), id, after.name, "longer than 32 characters");
    }
    return Status::Ok();
}

Status CheckDns(const ObjectRecord& after, const Attributes& staged) {
    if (auto s = CheckRange(after, staged, prf::kDnsChoice, 0, 2, "the DNS choice is 0, 1 or 2");
        !s)
        return s;
    if (!IsStaged(staged, prf::kDnsChoice) && !IsStaged(staged, prf::kDnsServer))
        return Status::Ok();
    const std::string choice = after.Get(prf::kDnsChoice);
    if (code::Is(choice, code::dns_choice::kGiven) &&
        !IsInternetAddress(after.Get(prf::kDnsServer)))
        return BadAttribute(after.Get(prf::kDnsServer), prf::kDnsServer, after.name,
                            "not an internet address");
    if (code::Is(choice, code::dns_choice::kFromRemote) &&
        code::Is(after.Get(prf::kProtocol), code::protocol::kSLIP))
        return BadAttribute(choice, prf::kDnsChoice, after.name,
                            "a SLIP link cannot learn its DNS server from the remote system");
    return Status::Ok();
}

// A script that runs must name a member that exists.
Status CheckScript(ObjectTx& tx, const ObjectRecord& after, const Attributes& staged) {
    if (auto s = CheckSwitch(after, staged, prf::kScriptOn); !s) return s;
    if (auto s = CheckRange(after, staged, prf::kScriptCcsid, 1, kMaxCcsid,
                            "the coded character set is 1 to 65535");
        !s)
        return s;
    const bool touched = IsStaged(staged, prf::kScriptOn) ||
                         IsStaged(staged, prf::kScriptLibrary) ||
                         IsStaged(staged, prf::kScriptFile) || IsStaged(staged, prf::kScriptMember);
    if (!touched || !code::Is(after.Get(prf::kScriptOn), 1)) return Status::Ok();
    for (int id : {prf::kScriptLibrary, prf::kScriptFile, prf::kScriptMember}) {
        if (!IsObjectName(after.Get(id)))
            return BadAttribute(after.Get(id), id, after.name, "not a valid name");
    }
    const std::string library = UpperAscii(after.Get(prf::kScriptLibrary));
    const std::string file = UpperAscii(after.Get(prf::kScriptFile));
    const std::string member = UpperAscii(after.Get(prf::kScriptMember));
    if (!tx.Exists(kinds::kFileMember, library + "/" + file + "/" + member))
        return Message("CPF9815", {library, file, member});
    return Status::Ok();
}

Status CheckSubsystem(const ObjectRecord& after, const Attributes& staged) {
    if (!IsStaged(staged, prf::kSubsystem) || IsObjectName(after.Get(prf::kSubsystem)))
        return Status::Ok();
    return BadAttribute(after.Get(prf::kSubsystem), prf::kSubsystem, after.name,
                        "not a valid subsystem name");
}

bool IsAnswerProfile(const ObjectRecord& after) {
    const std::string service = after.Get(prf::kLineService);
    return code::Is(after.Get(prf::kMode), code::mode::kAnswer) &&
           (code::Is(service, code::line_service::kSwitched) ||
            code::Is(service, code::line_service::kVirtual));
}

// The address an address method asks for: an internet address for a given address (and for
// the first address of a range), nothing for the others.
Status CheckAddress(const ObjectRecord& after, int methodId, int addressId, bool range) {
    const std::string method = after.Get(methodId);
    const std::string address = after.Get(addressId);
    const bool needed = code::Is(method, code::address_method::kGiven) ||
                        (range && code::Is(method, code::address_method::kRange));
    if (needed && !IsInternetAddress(address))
        return BadAttribute(address, addressId, after.name, "not an internet address");
    if (!needed && !address.empty())
        return BadAttribute(address, addressId, after.name,
                            "the address method " + method + " takes no address");
    return Status::Ok();
}

// A remote range must stay inside the last number of its first address.
Status CheckRemoteRange(const ObjectRecord& after) {
    if (!code::Is(after.Get(prf::kRemoteAddressMethod), code::address_method::kRange))
        return Status::Ok();
    const std::string first = after.Get(prf::kRemoteAddress);
    const std::string count = after.Get(prf::kRemoteAddressCount);
    const long last = std::stol(first.substr(first.rfind('.') + 1));
    if (IsNumberIn(count, 1, 256 - last)) return Status::Ok();
    return BadAttribute(count, prf::kRemoteAddressCount, after.name,
                        "the range from " + first + " leaves the valid addresses");
}

Status CheckAddresses(const ObjectRecord& after, const Attributes& staged) {
    const bool touched =
        IsStaged(staged, prf::kLocalAddressMethod) || IsStaged(staged, prf::kLocalAddress) ||
        IsStaged(staged, prf::kRemoteAddressMethod) || IsStaged(staged, prf::kRemoteAddress) ||
        IsStaged(staged, prf::kRemoteAddressCount);
    if (!touched) return Status::Ok();
    if (auto s = CheckRange(after, staged, prf::kLocalAddressMethod, 1, 2,
                            "the local address method is 1 or 2");
        !s)
        return s;
    const long methods = IsAnswerProfile(after) ? 6 : 2;
    if (auto s = CheckRange(after, staged, prf::kRemoteAddressMethod, 1, methods,
                            "the remote address method is 1 to " + std::to_string(methods));
        !s)
        return s;
    if (auto s = CheckRange(after, staged, prf::kRemoteAddressCount, 1, 255,
                            "the range holds 1 to 255 addresses");
        !s)
        return s;
    if (auto s = CheckAddress(after, prf::kLocalAddressMethod, prf::kLocalAddress, false); !s)
        return s;
    if (auto s = CheckAddress(after, prf::kRemoteAddressMethod, prf::kRemoteAddress, true); !s)
        return s;
    if (auto s = CheckRemoteRange(after); !s) return s;
    const std::string local = after.Get(prf::kLocalAddress);
    if (!local.empty() && local == after.Get(prf::kRemoteAddress))
        return BadAttribute(local, prf::kRemoteAddress, after.name,
                            "the remote address is the local one");
    return Status::Ok();
}

Status CheckTcpipSwitches(const ObjectRecord& after, const Attributes& staged) {
    for (int id : {prf::kHideAddresses, prf::kIPForwarding, prf::kHeaderCompression,
                   prf::kPerUserAddresses, prf::kRemoteChoosesAddress, prf::kFilterRulesOn}) {
        if (auto s = CheckSwitch(after, staged, id); !s) return s;
    }
    if (auto s =
            CheckRange(after, staged, prf::kRoutingChoice, 0, 2, "the routing choice is 0, 1 or 2");
        !s)
        return s;
    if (auto s = CheckRange(after, staged, prf::kMaxFrameSize, 576, 1006,
                            "the frame size is 576 to 1006");
        !s)
        return s;
    const std::string rules = after.Get(prf::kFilterRulesName);
    if (IsStaged(staged, prf::kFilterRulesName) && rules.size() > 32)
        return BadAttribute(rules, prf::kFilterRulesName, after.name, "longer than 32 characters");
    const bool rulesTouched =
        IsStaged(staged, prf::kFilterRulesOn) || IsStaged(staged, prf::kFilterRulesName);
    if (rulesTouched && code::Is(after.Get(prf::kFilterRulesOn), 1) && rules.empty())
        return BadAttribute(rules, prf::kFilterRulesName, after.name,
                            "filter rules that apply need a name");
    return Status::Ok();
}

// A dial-on-demand profile pairs with a switched profile that answers.
Status CheckPairedAnswer(ObjectTx& tx, const ObjectRecord& after, const Attributes& staged) {
    if (!IsStaged(staged, prf::kPairedAnswerProfile)) return Status::Ok();
    const std::string name = UpperAscii(after.Get(prf::kPairedAnswerProfile));
    auto answer = tx.Get(kinds::kProfile, name);
    if (answer && code::Is(answer->Get(prf::kLineService), code::line_service::kSwitched) &&
        code::Is(answer->Get(prf::kMode), code::mode::kAnswer))
        return Status::Ok();
    return BadAttribute(name, prf::kPairedAnswerProfile, after.name,
                        "not a switched answering profile");
}

}  // namespace

Error BadAttribute(std::string_view value, int id, std::string_view object, std::string_view why) {
    return Message("TCP8A20", {value, std::to_string(id), object, why});
}

Status CheckProfileSettings(ObjectTx& tx, const ObjectRecord& after, const Attributes& staged) {
    if (auto s = CheckConnection(after, staged); !s) return s;
    if (auto s = CheckDns(after, staged); !s) return s;
    if (auto s = CheckScript(tx, after, staged); !s) return s;
    if (auto s = CheckSubsystem(after, staged); !s) return s;
    if (auto s = CheckAddresses(after, staged); !s) return s;
    if (auto s = CheckPairedAnswer(tx, after, staged); !s) return s;
    return CheckTcpipSwitches(after, staged);
}

}  // namespace ptp::server
