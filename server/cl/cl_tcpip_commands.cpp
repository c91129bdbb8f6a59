// TCP/IP settings the plug-in changes by command: removing a profile's static route, the host
// table, the mail router and dial schedule, the DHCP server's mode and starting TCP/IP servers.
#include <cstdio>
#include <sstream>

#include "platform/vocabulary/dhcp.h"
#include "platform/vocabulary/host_table.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/mail.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/tcpip_server.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_messages.h"
#include "server/cl/cl_store_checks.h"
#include "server/stream_files.h"
#include "server/text_codec.h"

namespace ptp::server::cl {

namespace {
namespace rt = attr::route;
namespace ht = attr::host_table_entry;
namespace job = attr::job;

// The file in which the DHCP server keeps its mode: the second line begins with it.
constexpr std::string_view kDhcpAttributesFile = "/QKTL/UserData/NOS50/DHCP/DHCP.ATTRIB";

std::string OrDynamic(std::string_view nextHop) {
    return nextHop.empty() ? "*DYNAMIC" : std::string(nextHop);
}

std::string MaskText(std::string_view mask) {
    return mask == "*HOST" ? "255.255.255.255" : std::string(mask);
}

bool RouteMatches(const ObjectRecord& route, const ClArguments& arguments) {
    if (!EqualsNoCase(route.Get(rt::kDestination), arguments.Value("RTEDEST"))) return false;
    if (MaskText(route.Get(rt::kSubnetMask)) != MaskText(arguments.Value("SUBNETMASK"))) {
        return false;
    }
    if (arguments.Has("NEXTHOP") &&
        !EqualsNoCase(OrDynamic(route.Get(rt::kNextHop)), arguments.Value("NEXTHOP"))) {
        return false;
    }
    if (!arguments.Has("BINDIFC")) return true;
    return EqualsNoCase("PPP" + route.Get(rt::kBindingProfile), arguments.Value("BINDIFC"));
}

Status RemoveRoute(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    auto routes = tx.List(kinds::kRoute);
    if (!routes) return routes.status();
    for (const ObjectRecord& route : *routes) {
        if (RouteMatches(route, arguments)) return tx.Delete(kinds::kRoute, route.name);
    }
    return ClMessage("TCP2665",
                     {arguments.Value("RTEDEST"), arguments.Value("SUBNETMASK"),
                      arguments.Value("NEXTHOP", "*DYNAMIC"), arguments.Value("BINDIFC", "*ANY")});
}

bool IsHostName(std::string_view name) {
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        if (!ok) return false;
    }
    return !name.empty() && name.front() != '.' && name.front() != '-';
}

// The host names of the command as attributes 1 to 4; names not given are cleared.
Result<Attributes> HostNames(const ClArguments& arguments) {
    Attributes attributes;
    const ClArgument* names = arguments.Find("HOSTNAME");
    for (int i = 0; i < ht::kMaxHostNames; ++i) {
        const bool given = names != nullptr && static_cast<std::size_t>(i) < names->rows.size();
        const std::string name = given ? names->rows[i][0] : "";
        if (given && !IsHostName(name)) return ClMessage("TCP1903", {name});
        attributes[ht::kFirstHostName + i] = name;
    }
    if (arguments.Has("TEXT")) attributes[ht::kText] = StoredText(arguments.Value("TEXT"));
    return attributes;
}

Status AddHostEntry(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string address = arguments.Value("INTNETADR");
    if (tx.Exists(kinds::kHostTableEntry, address)) return ClMessage("TCP1901", {address});
    auto attributes = HostNames(arguments);
    if (!attributes) return attributes.error();
    (*attributes)[ht::kAddress] = address;
    attributes->emplace(ht::kText, "*BLANK");
    return tx.Create(kinds::kHostTableEntry, address, *attributes);
}

Status ChangeHostEntry(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string address = arguments.Value("INTNETADR");
    if (!tx.Exists(kinds::kHostTableEntry, address)) return ClMessage("TCP1902", {address});
    auto attributes = HostNames(arguments);
    if (!attributes) return attributes.error();
    if (!arguments.Has("HOSTNAME")) {
        for (int i = 0; i < ht::kMaxHostNames; ++i)
            attributes->erase(ht::kFirstHostName + i);
    }
    return tx.Update(kinds::kHostTableEntry, address, *attributes);
}

Status ChangeMailAttributes(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    Attributes attributes;
    CopyValue(arguments, "MAILROUTER", attributes, attr::mail::kMailRouter);
    CopyValue(arguments, "FIREWALL", attributes, attr::mail::kFirewall);
    if (arguments.Has("DIALSCD")) {
        const std::string schedule = arguments.Element("DIALSCD", 0);
        const std::string profile = arguments.Element("DIALSCD", 1);
        if (schedule == "*YES" && profile.empty()) {
            return ClMessage("CPD2632", {"DIALSCD profile", "DIALSCD(*YES)"});
        }
        attributes[attr::mail::kDialSchedule] = schedule;
        attributes[attr::mail::kDialProfile] = schedule == "*YES" ? profile : "";
        attributes[attr::mail::kDialInterval] =
            schedule == "*YES" ? arguments.Element("DIALSCD", 2, "*NONE") : "";
        if (attributes[attr::mail::kDialInterval].empty()) {
            attributes[attr::mail::kDialInterval] = "*NONE";
        }
    }
    return tx.Put(kinds::kMailAttributes, kinds::kSingletonName, attributes);
}

// Keeps the file's other lines; the mode becomes the first word of the second line.
std::string DhcpAttributesText(std::string_view old, std::string_view mode) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(old)};
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    if (lines.empty()) lines.push_back("DHCP server attributes");
    if (lines.size() < 2) lines.emplace_back();
    const std::size_t blank = lines[1].find(' ');
    lines[1] = std::string(mode) + (blank == std::string::npos ? "" : lines[1].substr(blank));
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

Status ChangeDhcpAttributes(ClContext& context, ObjectTx& tx, const ClArguments& arguments) {
    const std::string mode = arguments.Value("MODE");
    if (auto s = tx.Put(kinds::kDhcpAttributes, kinds::kSingletonName, {{attr::dhcp::kMode, mode}});
        !s)
        return s;
    StreamFiles& files = context.system.Files();
    auto old = files.Read(kDhcpAttributesFile);
    const std::string text = DhcpAttributesText(old ? old->text : "", mode);
    return files.Write(kDhcpAttributesFile, text, old ? old->ccsid : kCcsidText);
}

// The server's own jobs run under QTCP; a job of the same name under another user is not it.
Result<std::vector<ObjectRecord>> ActiveJobs(ObjectTx& tx, std::string_view jobName) {
    ListFilter filter;
    filter.equals.emplace_back(job::kName, std::string(jobName));
    filter.equals.emplace_back(job::kUser, "QTCP");
    filter.equals.emplace_back(job::kStatus, "*ACTIVE");
    return tx.List(kinds::kJob, filter);
}

Status EndJobs(ObjectTx& tx, std::string_view jobName) {
    auto jobs = ActiveJobs(tx, jobName);
    if (!jobs) return jobs.status();
    for (const ObjectRecord& record : *jobs) {
        if (auto s = tx.Update(kinds::kJob, record.name, {{job::kStatus, "*ENDED"}}); !s) return s;
    }
    return Status::Ok();
}

// Server jobs run under QTCP and take their numbers from the same counter as PPP jobs.
Status SubmitServerJob(ObjectTx& tx, std::string_view jobName) {
    auto clock = tx.GetInfo("clock", "0");
    if (!clock) return clock.status();
    auto next = tx.GetInfo("next_job_number", "100001");
    if (!next) return next.status();
    const long number = std::atol(next->c_str());
    if (auto s = tx.SetInfo("next_job_number", std::to_string(number + 1)); !s) return s;
    char numberText[16];
    std::snprintf(numberText, sizeof numberText, "%06ld", number % 1000000);
    const std::string name = std::string(numberText) + "/QTCP/" + std::string(jobName);
    return tx.Put(kinds::kJob, name,
                  {{job::kName, std::string(jobName)},
                   {job::kUser, "QTCP"},
                   {job::kNumber, numberText},
                   {job::kStatus, "*ACTIVE"},
                   {job::kStartedAt, *clock}});
}

// Starts the job that serves `server` unless it runs; `restart` ends it first. Starting the DHCP
// server in one mode ends it in the other.
Status StartServer(ObjectTx& tx, std::string_view server, bool restart) {
    std::string jobName = "QTBOOTP";
    if (server == "*DHCP") {
        auto dhcp = tx.Get(kinds::kDhcpAttributes, kinds::kSingletonName);
        const std::string mode = dhcp ? dhcp->Get(attr::dhcp::kMode, "*SERVER") : "*SERVER";
        if (mode == "*NONE") {
            return ClMessage("TCP1A15", {server, "the DHCP server is not configured."});
        }
        jobName = mode == "*RELAY" ? "QTODDHCPR" : "QTODDHCPS";
        const std::string other = mode == "*RELAY" ? "QTODDHCPS" : "QTODDHCPR";
        if (auto s = EndJobs(tx, other); !s) return s;
    }
    if (restart) {
        if (auto s = EndJobs(tx, jobName); !s) return s;
    }
    auto running = ActiveJobs(tx, jobName);
    if (!running) return running.status();
    if (running->empty()) {
        if (auto s = SubmitServerJob(tx, jobName); !s) return s;
    }
    return tx.Put(
        kinds::kTcpipServer, server,
        {{attr::tcpip_server::kStatus, "*ACTIVE"}, {attr::tcpip_server::kJobName, jobName}});
}

Status StartServers(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const ClArgument* restarts = arguments.Find("RESTART");
    const auto restarting = [&](std::string_view server) {
        if (restarts == nullptr) return false;
        for (const auto& row : restarts->rows) {
            if (row[0] == server) return true;
        }
        return false;
    };
    for (const auto& row : arguments.Find("SERVER")->rows) {
        if (auto s = StartServer(tx, row[0], restarting(row[0])); !s) return s;
    }
    return Status::Ok();
}

}  // namespace

std::vector<ClCommandDefinition> TcpipCommands() {
    return {
        {"RMVTCPRTE",
         {
             Required("RTEDEST", AddressValue({"*DFTROUTE"})),
             Required("SUBNETMASK", AddressValue({"*HOST"})),
             Optional("NEXTHOP", AddressValue({"*DYNAMIC"})),
             Optional("BINDIFC", CharactersValue(1, 16)),
         },
         RemoveRoute},
        {"ADDTCPHTE",
         {
             Required("INTNETADR", AddressValue()),
             [] {
                 ClParameterSpec names = RepeatedList("HOSTNAME", {CharactersValue(1, 255)}, 4);
                 names.required = true;
                 return names;
             }(),
             Optional("TEXT", TextValue()),
         },
         AddHostEntry},
        {"CHGTCPHTE",
         {
             Required("INTNETADR", AddressValue()),
             RepeatedList("HOSTNAME", {CharactersValue(1, 255)}, 4),
             Optional("TEXT", TextValue()),
         },
         ChangeHostEntry},
        {"CHGSMTPA",
         {
             Optional("MAILROUTER", CharactersValue(1, 255, {"*NONE"})),
             Optional("FIREWALL", ChoiceValue({"*YES", "*NO"})),
             ElementList("DIALSCD", {ChoiceValue({"*YES", "*NO"}), NameValue(),
                                     IntegerValue(1, 1440, {"*NONE"})}),
         },
         ChangeMailAttributes},
        {"CHGDHCPA",
         {Required("MODE", ChoiceValue({"*SERVER", "*RELAY", "*NONE"}))},
         ChangeDhcpAttributes},
        {"STRTCPSVR",
         {
             [] {
                 ClParameterSpec servers =
                     RepeatedList("SERVER", {ChoiceValue({"*DHCP", "*BOOTP"})}, 2);
                 servers.required = true;
                 return servers;
             }(),
             RepeatedList("RESTART", {ChoiceValue({"*DHCP", "*BOOTP"})}, 2, {"*NONE"}),
         },
         StartServers},
    };
}

}  // namespace ptp::server::cl
