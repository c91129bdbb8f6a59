#include "server/profile_setting_rules.h"

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

}  // namespace

Error BadAttribute(std::string_view value, int id, std::string_view object, std::string_view why) {
    return Message("TCP8A20", {value, std::to_string(id), object, why});
}

Status CheckProfileSettings(ObjectTx& tx, const ObjectRecord& after, const Attributes& staged) {
    if (auto s = CheckDns(after, staged); !s) return s;
    if (auto s = CheckScript(tx, after, staged); !s) return s;
    return CheckSubsystem(after, staged);
}

}  // namespace ptp::server
