#include "wizard/wdn_dialer_finish.h"

#include <algorithm>

#include "config/config_text.h"
#include "host/route_d_interface_configuration.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/host_table.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "profiles/profile_entry_identifier.h"
#include "resources/ids/wizard.h"
#include "wizard/wdn_dialer_commands.h"
#include "wizard/wdn_dialer_names.h"

namespace ptp::wizard {

namespace {

namespace prf = attr::profile;
namespace rt = attr::route;
namespace ht = attr::host_table_entry;
using LineUse = CWDNDialerPlan::LineUse;

constexpr int kCommandMode = 1;

std::string Decimal(int value) {
    return std::to_string(value);
}

}  // namespace

CWDNDialerFinish::CWDNDialerFinish(const CWDNDialerPlan& plan, bool retainsServerSecurity)
    : m_plan(plan), m_bRetainsServerSecurity(retainsServerSecurity) {}

std::vector<CWDNDialerFinish::Step> CWDNDialerFinish::Steps() const {
    std::vector<Step> steps;
    if (m_plan.eLineUse == LineUse::NewLine)
        steps.push_back({IDS_WDN_STEP_LINE, &CWDNDialerFinish::MakeLine});
    if (m_plan.eLineUse == LineUse::NewPool)
        steps.push_back({IDS_WDN_STEP_POOL, &CWDNDialerFinish::JoinPool});
    if (!m_plan.UsesPool() && !m_plan.strModem.empty())
        steps.push_back({IDS_WDN_STEP_MODEM, &CWDNDialerFinish::AssociateModem});
    steps.push_back({IDS_WDN_STEP_PROFILE, &CWDNDialerFinish::CommitProfile});
    steps.push_back({IDS_WDN_STEP_ROUTES, &CWDNDialerFinish::AddRoutes});
    if (m_plan.bMail) {
        steps.push_back({IDS_WDN_STEP_HOST_TABLE, &CWDNDialerFinish::AddHostEntry});
        steps.push_back({IDS_WDN_STEP_MAIL, &CWDNDialerFinish::ChangeMail});
    }
    if (m_plan.bAccount) {
        steps.push_back({IDS_WDN_STEP_ACCOUNT, &CWDNDialerFinish::SaveAccount});
        steps.push_back({IDS_WDN_STEP_PASSWORDS, &CWDNDialerFinish::KeepPasswords});
    }
    return steps;
}

bool CWDNDialerFinish::Run() {
    const std::vector<Step> steps = Steps();
    for (std::size_t index = 0; index < steps.size(); ++index) {
        if ((this->*steps[index].run)()) continue;
        ReportIncomplete(steps, index);
        return false;
    }
    return true;
}

void CWDNDialerFinish::ReportIncomplete(const std::vector<Step>& steps, std::size_t failed) const {
    const auto join = [&](std::size_t first, std::size_t last) {
        std::string text;
        for (std::size_t index = first; index < last; ++index) {
            if (!text.empty()) text += ui::LoadText(IDS_WDN_LIST_SEPARATOR);
            text += ui::LoadText(steps[index].name);
        }
        return text.empty() ? ui::LoadText(IDS_WDN_NOTHING) : text;
    };
    ui::AfxMessageBox(IDS_WDN_FINISH_INCOMPLETE, {join(0, failed), join(failed, steps.size())},
                      ui::MB_ICONWARNING);
}

bool CWDNDialerFinish::RunCommand(const std::string& command) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    int status = 0;
    auto connection = host->Commands().OpenConnection(m_plan.strSystem, kCommandMode, status);
    if (!connection) return false;
    const std::string reply = connection->RunCommand(command);
    if (reply.empty()) return true;
    ui::AfxMessageBox(reply, ui::MB_ICONWARNING);
    return false;
}

std::unique_ptr<host::IServerObject> CWDNDialerFinish::Object(std::string_view kind,
                                                              std::string_view name) {
    host::IHost* host = host::GetHost();
    if (!host) return nullptr;
    host::SOFError* error = nullptr;
    auto object = host->Objects().CreateObject(kind, host::kClientName,
                                               config::ToUpper(m_plan.strSystem), name, &error);
    if (object && !error) return object;
    host::ShowAndDestroy(error, nullptr);
    return nullptr;
}

bool CWDNDialerFinish::CommitObject(host::IServerObject& object, std::string_view trace) {
    host::SOFError* error = nullptr;
    object.Commit(&error);
    if (!error) return true;
    if (trace.empty())
        host::ShowAndDestroy(error, nullptr);
    else
        host::TraceShowAndDestroy(error, trace, nullptr);
    return false;
}

// A line of that name made by an earlier finish is used as it is.
bool CWDNDialerFinish::MakeLine() {
    auto line = Object(kinds::kLine, m_plan.newLine.strName);
    if (!line) return false;
    host::SOFError* error = nullptr;
    const bool exists = !line->GetAttributeText(attr::line::kName, &error).empty();
    host::ShowAndDestroy(error, nullptr);
    if (exists) return true;
    return RunCommand(BuildNewLineCommand(m_plan.newLine));
}

bool CWDNDialerFinish::JoinPool() {
    for (const CLinePoolSaveObj& entry : m_plan.poolEntries) {
        auto line = Object(kinds::kLine, entry.strLineName);
        if (!line) return false;
        line->SetAttribute(attr::line::kPoolName, entry.strPoolName);
        if (!CommitObject(*line)) return false;
    }
    return true;
}

bool CWDNDialerFinish::AssociateModem() {
    auto association = Object(kinds::kLineModem, m_plan.strLine);
    if (!association) return false;
    association->SetAttribute(attr::line_modem::kLineName, m_plan.strLine);
    association->SetAttribute(attr::line_modem::kModemName, m_plan.strModem);
    return CommitObject(*association);
}

bool CWDNDialerFinish::CommitProfile() {
    auto profile = Object(kinds::kProfileObject, m_plan.strProfile);
    if (!profile) return false;
    const auto set = [&](int id, const std::string& value) {
        profile->SetAttribute(id, config::ToUpper(value));
    };
    set(prf::kName, m_plan.strProfile);
    set(prf::kProtocol, Decimal(code::protocol::kPPP));
    set(prf::kMode, Decimal(code::mode::kDial));
    set(prf::kLineService, Decimal(code::line_service::kSwitched));
    set(prf::kDialVariant, Decimal(m_plan.nDialVariant));
    // The description keeps its letters as typed.
    profile->SetAttribute(prf::kDescription, std::string(config::Trim(m_plan.strDescription)));
    if (m_plan.UsesPool()) {
        set(prf::kLineKind, Decimal(code::line_kind::kPool));
        set(prf::kPoolName, m_plan.strPool);
        set(prf::kLineName, "");
    } else {
        set(prf::kLineKind, Decimal(code::line_kind::kOneLine));
        set(prf::kLineName, m_plan.strLine);
        set(prf::kPoolName, "");
    }
    set(prf::kLineType, std::string(code::line_type::kPPP));
    set(prf::kRemoteNumber1, m_plan.strPrimaryNumber);
    set(prf::kRemoteNumber2, m_plan.strBackupNumber);
    for (int id :
         {prf::kRemoteNumber3, prf::kRemoteNumber4, prf::kRemoteNumber5, prf::kRemoteNumber6})
        set(id, std::string(code::line_value::kNone));
    set(prf::kNumberUse, Decimal(code::number_use::kInTurn));
    set(prf::kDnsChoice, Decimal(m_plan.strDnsServer.empty() ? code::dns_choice::kFromRemote
                                                             : code::dns_choice::kGiven));
    set(prf::kDnsServer, m_plan.strDnsServer);
    set(prf::kLocalAddressMethod, Decimal(code::address_method::kDynamic));
    set(prf::kRemoteAddressMethod, Decimal(code::address_method::kDynamic));
    set(prf::kLocalIdentification, Decimal(m_plan.bAccount ? 1 : 0));
    set(prf::kLocalIdentificationProtocol,
        Decimal(m_plan.bAccount ? code::identification_protocol::kCHAP
                                : code::identification_protocol::kNone));
    set(prf::kValidationList, m_plan.bAccount ? std::string(kAccountList) : "QTOCPTP");
    set(prf::kRemoteIdentification, "0");
    return CommitObject(*profile);
}

// The routes bound to the profile become the plan's: missing ones are added, ones the plan no
// longer has are removed, and the route daemon's file gets the profile's interface.
bool CWDNDialerFinish::AddRoutes() {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    const std::string server = config::ToUpper(m_plan.strSystem);
    const std::string profile = config::ToUpper(m_plan.strProfile);
    auto list =
        host->Objects().CreateList(kinds::kRoute, host::kClientName, server, profile, &error);
    if (!list || !host::LoadList(*list, &error)) {
        host::ShowAndDestroy(error, nullptr);
        return false;
    }
    std::vector<CWDNRoute> existing;
    std::vector<std::string> nextHops;
    const long count = list->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* route = list->ElementAt(index, &error);
        if (error || !route) break;
        existing.push_back({route->GetAttributeText(rt::kDestination, &error),
                            route->GetAttributeText(rt::kSubnetMask, &error)});
        nextHops.push_back(route->GetAttributeText(rt::kNextHop, &error));
    }
    if (error) {
        host::ShowAndDestroy(error, nullptr);
        return false;
    }
    const auto same = [](const CWDNRoute& a, const CWDNRoute& b) {
        return a.strDestination == b.strDestination && a.strMask == b.strMask;
    };
    for (std::size_t index = 0; index < existing.size(); ++index) {
        const bool wanted =
            std::any_of(m_plan.routes.begin(), m_plan.routes.end(),
                        [&](const CWDNRoute& r) { return same(r, existing[index]); });
        if (wanted) continue;
        const std::string nextHop =
            nextHops[index].empty() ? std::string(kDynamicNextHop) : nextHops[index];
        if (!RunCommand(BuildRemoveRouteCommand(existing[index].strDestination,
                                                existing[index].strMask, nextHop, profile)))
            return false;
    }
    for (const CWDNRoute& route : m_plan.routes) {
        const bool present = std::any_of(existing.begin(), existing.end(),
                                         [&](const CWDNRoute& r) { return same(r, route); });
        if (present) continue;
        auto object = host->Objects().CreateObject(kinds::kCTCPIPRoutes, host::kClientName, server,
                                                   "", &error);
        if (!object || error) {
            host::TraceShowAndDestroy(
                error, "Error: -> pRoute = new CTCPIPRoutes ...<- returned NULL pointer.", nullptr);
            return false;
        }
        object->SetAttribute(rt::kDestination, route.strDestination);
        object->SetAttribute(rt::kSubnetMask, route.strMask);
        object->SetAttribute(rt::kNextHop, kDynamicNextHop);
        object->SetAttribute(rt::kBindingProfile, profile);
        object->SetAttribute(rt::kPPP, "1");
        const std::string_view trace =
            route.bFromServerPage
                ? "Error from WDN dialer wizard server page add route pRoute->CommitChanges."
                : "Error from WDN dialer wizard SMTP server page add route pRoute->CommitChanges.";
        if (!CommitObject(*object, trace)) return false;
    }
    return CommitRouteDaemonRecord();
}

bool CWDNDialerFinish::CommitRouteDaemonRecord() {
    const std::string profile = config::ToUpper(m_plan.strProfile);
    host::CRouteDInterfaceConfiguration file(config::ToUpper(m_plan.strSystem));
    host::SOFError* error = file.ReadFile();
    if (error) {
        host::ShowAndDestroy(error, nullptr);
        return false;
    }
    for (int index = 0; index < file.GetCount(); ++index) {
        if (config::EqualsNoCase(file.GetInterfaceName(index), profile)) return true;
    }
    file.SetInterfaceName(file.AddRecord(), profile);
    std::string strError;
    error = file.CommitFile(strError);
    if (!error) return true;
    host::TraceShowAndDestroy(error, "Error: ->faError = pRouteDFile->commitFile(strError)<-",
                              nullptr);
    return false;
}

// The relay gets its host name once: an entry that has it already is left alone, one that has
// room for it gets it after the names it has.
bool CWDNDialerFinish::AddHostEntry() {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto entry = host->Objects().CreateObject(kinds::kHostTableEntry, host::kClientName,
                                              config::ToUpper(m_plan.strSystem),
                                              m_plan.strRelayAddress, &error);
    std::vector<std::string> names;
    for (int i = 0; entry && !error && i < ht::kMaxHostNames; ++i) {
        std::string name = entry->GetAttributeText(ht::kFirstHostName + i, &error);
        if (!name.empty()) names.push_back(std::move(name));
    }
    const bool exists = entry && !error && !entry->GetAttributeText(ht::kAddress, &error).empty();
    if (!entry || error) {
        host::ShowAndDestroy(error, nullptr);
        ui::AfxMessageBox(IDS_WDN_HOST_TABLE_UNREADABLE, ui::MB_ICONWARNING);
        return false;
    }
    if (!exists)
        return RunCommand(BuildAddHostEntryCommand(m_plan.strRelayAddress, m_plan.strRelayHost));
    const bool named = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return config::EqualsNoCase(name, m_plan.strRelayHost);
    });
    if (named || names.size() >= static_cast<std::size_t>(ht::kMaxHostNames)) return true;
    names.push_back(m_plan.strRelayHost);
    return RunCommand(BuildChangeHostEntryCommand(m_plan.strRelayAddress, names));
}

bool CWDNDialerFinish::ChangeMail() {
    return RunCommand(BuildMailCommand(m_plan.strRelayHost, m_plan.bScheduled, m_plan.strProfile,
                                       m_plan.strInterval));
}

bool CWDNDialerFinish::SaveAccount() {
    namespace vle = attr::validation_list_entry;
    const std::string hex = profiles::HexOf(profiles::ProfileEntryIdentifier(
        profiles::ProfileEntryTag(code::identification_protocol::kCHAP, true), m_plan.strProfile));
    auto entry = Object(kinds::kValidationListEntry, std::string(kAccountList) + "/" + hex);
    if (!entry) return false;
    entry->SetAttribute(vle::kListName, kAccountList);
    entry->SetAttribute(vle::kLibrary, kAccountListLibrary);
    entry->SetAttribute(vle::kIdentifier, hex);
    entry->SetAttribute(vle::kIdentifierLength,
                        std::to_string(profiles::ProfileEntryIdentifierLength(m_plan.strProfile)));
    entry->SetAttribute(vle::kData1, config::ToUpper(m_plan.strUserId));
    entry->SetAttribute(vle::kData2, m_plan.strPassword);
    return CommitObject(*entry);
}

bool CWDNDialerFinish::KeepPasswords() {
    if (m_bRetainsServerSecurity) return true;
    auto value = Object(kinds::kSystemValues, code::system_value::kRetainServerSecurity);
    if (!value) return false;
    value->SetAttribute(attr::system_value::kName, code::system_value::kRetainServerSecurity);
    value->SetAttribute(attr::system_value::kValue, "1");
    return CommitObject(*value, "Error from property sheet pSystemValues->CommitChanges.");
}

}  // namespace ptp::wizard
