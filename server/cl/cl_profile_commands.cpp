// Connection profiles: STRTCPPTP starts (or restarts) a profile's job, ENDTCPPTP ends it and
// RMVTCPPTP removes an inactive profile with what belongs to it.
#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_messages.h"
#include "server/cl/cl_store_checks.h"
#include "server/ppp_jobs.h"
#include "server/text_codec.h"
#include "server/virtual_lines.h"

namespace ptp::server::cl {

namespace {
namespace prf = attr::profile;
namespace con = attr::connection;

Status StartProfile(ClContext& context, ObjectTx& tx, const ClArguments& arguments) {
    JobStartOptions options;
    options.restart = arguments.Value("RESTART", "*NO") == "*YES";
    options.output = arguments.Value("OUTPUT", "*ERROR");
    options.client = std::string(context.client);
    if (auto profile = tx.Get(kinds::kProfile, arguments.Value("CFGPRF")))
        options.virtualLineRecorded = IsVirtualLineRecorded(context.system.Files(), tx, *profile);
    return context.system.Jobs().Start(tx, arguments.Value("CFGPRF"), options);
}

Status EndProfile(ClContext& context, ObjectTx& tx, const ClArguments& arguments) {
    return context.system.Jobs().End(tx, arguments.Value("CFGPRF"));
}

Status DeleteMatching(ObjectTx& tx, std::string_view kind, int id, std::string_view value) {
    auto records = tx.List(kind);
    if (!records) return records.status();
    for (const ObjectRecord& record : *records) {
        if (!EqualsNoCase(record.Get(id), value)) continue;
        if (auto s = tx.Delete(kind, record.name); !s) return s;
    }
    return Status::Ok();
}

// The profile's own line goes with it, unless another profile still uses it.
Status DeleteProfileLine(ObjectTx& tx, const ObjectRecord& profile) {
    if (EqualsNoCase(profile.Get(prf::kLineType), code::profile_line_type::kPool))
        return Status::Ok();
    const std::string line = UpperAscii(profile.Get(prf::kLineName));
    if (line.empty() || !tx.Exists(kinds::kLine, line)) return Status::Ok();
    ListFilter users;
    users.equals.emplace_back(prf::kLineName, line);
    auto profiles = tx.List(kinds::kProfile, users);
    if (!profiles) return profiles.status();
    for (const ObjectRecord& other : *profiles) {
        if (other.name != profile.name) return Status::Ok();
    }
    if (auto s = tx.Delete(kinds::kLine, line); !s) return s;
    if (!tx.Exists(kinds::kLineModem, line)) return Status::Ok();
    return tx.Delete(kinds::kLineModem, line);
}

Status RemoveProfile(ClContext& context, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("CFGPRF");
    auto profile = tx.Get(kinds::kProfile, name);
    if (!profile) return ClMessage("TCP8A1E", {name});
    if (context.system.Jobs().IsActive(tx, name)) return ClMessage("TCP8A25", {name});
    if (auto s = DeleteMatching(tx, kinds::kRoute, attr::route::kBindingProfile, name); !s)
        return s;
    if (auto s = DeleteMatching(tx, kinds::kConnectionJob, con::kProfileName, name); !s) return s;
    if (tx.Exists(kinds::kRouteDaemonRecord, name)) {
        if (auto s = tx.Delete(kinds::kRouteDaemonRecord, name); !s) return s;
    }
    if (arguments.Value("DLTCMNCFG", "*NO") == "*YES") {
        if (auto s = DeleteProfileLine(tx, *profile); !s) return s;
    }
    return tx.Delete(kinds::kProfile, name);
}

}  // namespace

std::vector<ClCommandDefinition> ProfileCommands() {
    return {
        {"STRTCPPTP",
         {
             Required("CFGPRF", NameValue()),
             Optional("OUTPUT", ChoiceValue({"*NONE", "*ERROR", "*PRINT"})),
             Optional("RESTART", ChoiceValue({"*YES", "*NO"})),
         },
         StartProfile},
        {"ENDTCPPTP", {Required("CFGPRF", NameValue())}, EndProfile},
        {"RMVTCPPTP",
         {
             Required("CFGPRF", NameValue()),
             Optional("DLTCMNCFG", ChoiceValue({"*YES", "*NO"})),
         },
         RemoveProfile},
    };
}

}  // namespace ptp::server::cl
