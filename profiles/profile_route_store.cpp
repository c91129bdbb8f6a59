#include "profiles/profile_route_store.h"

#include <cstdio>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {
namespace {

namespace rt = attr::route;

constexpr int kCommandMode = 1;
constexpr std::string_view kDynamicNextHop = "*DYNAMIC";
// The plug-in's texts are UTF-8 throughout.
constexpr int kClientCodePage = 1208;

std::string OrDynamic(const std::string& nextHop) {
    return nextHop.empty() ? std::string(kDynamicNextHop) : nextHop;
}

std::string CodePageText() {
    char text[8];
    std::snprintf(text, sizeof text, "%05d", kClientCodePage);
    return text;
}

}  // namespace

CProfileRouteStore::CProfileRouteStore(std::string_view systemName,
                                       CPointToPointProfilePropertySheet* pSheet)
    : m_strSystemName(systemName), m_pSheet(pSheet) {}

CProfileRouteStore::~CProfileRouteStore() = default;

void CProfileRouteStore::Trace(std::string_view text) {
    if (m_pSheet) m_pSheet->SetLastTrace(text);
}

bool CProfileRouteStore::Read(std::vector<CRouteInformation>& routes) {
    if (m_pSheet->IsNew()) return true;
    return ReadFor(m_pSheet->GetInterfaceName(), routes);
}

bool CProfileRouteStore::ReadFor(std::string_view interfaceName,
                                 std::vector<CRouteInformation>& routes) {
    host::IHost* host = host::GetHost();
    host::SOFError* error = nullptr;
    std::unique_ptr<host::IServerList> list;
    if (host)
        list = host->Objects().CreateList(kinds::kCTCPIPRoutes, host::kClientName, m_strSystemName,
                                          "", &error);
    if (!list) {
        constexpr std::string_view trace =
            "Error: ->if (NULL == m_pSOATCPIPRoutesList)<- evaluated to TRUE.";
        Trace(trace);
        if (host::IsPendingError(error)) {
            host::TraceShowAndDestroy(error, trace, nullptr);
            return false;
        }
        ui::AfxMessageBox(IDS_ROUTES_HOST_FAILED, kProfileMessageStyle);
        return false;
    }
    if (!host::LoadList(*list, &error)) {
        host::ShowAndDestroy(error, nullptr);
        return false;
    }
    const long count = list->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* route = list->ElementAt(index, &error);
        if (error || !route) break;
        if (!config::EqualsNoCase(route->GetAttributeText(rt::kBindingProfile, &error),
                                  interfaceName))
            continue;
        CRouteInformation row;
        row.strDestination = route->GetAttributeText(rt::kDestination, &error);
        row.strSubnetMask = route->GetAttributeText(rt::kSubnetMask, &error);
        row.strExtraValue = route->GetAttributeText(rt::kExtraValue, &error);
        row.strNextHop = route->GetAttributeText(rt::kNextHop, &error);
        if (config::EqualsNoCase(row.strNextHop, kDynamicNextHop)) row.strNextHop.clear();
        row.nSaved = kRouteSaved;
        routes.push_back(std::move(row));
    }
    list->Close(&error);
    if (!host::IsPendingError(error)) return true;
    host::ShowAndDestroy(error, nullptr);
    return false;
}

std::string CProfileRouteStore::RemoveCommand(const CRouteInformation& route,
                                              std::string_view interfaceName) {
    return "RMVTCPRTE RTEDEST('" + route.strDestination + "') SUBNETMASK('" + route.strSubnetMask +
           "') NEXTHOP('" + OrDynamic(route.strNextHop) + "') BINDIFC(PPP" +
           config::ToUpper(interfaceName) + ")";
}

bool CProfileRouteStore::Remove(const CRouteInformation& route, std::string_view interfaceName,
                                std::string& strMessage) {
    const std::string command = RemoveCommand(route, interfaceName);
    if (!m_pRemoteCommand) {
        int status = 0;
        if (host::IHost* host = host::GetHost())
            m_pRemoteCommand =
                host->Commands().OpenConnection(m_strSystemName, kCommandMode, status);
    }
    strMessage = m_pRemoteCommand ? m_pRemoteCommand->RunCommand(command)
                                  : ui::LoadText(IDS_ROUTES_HOST_FAILED);
    if (strMessage.empty()) return true;
    Trace("Error: CL command failed: " + command + " " + strMessage);
    return false;
}

bool CProfileRouteStore::Create(const CRouteInformation& route, const CRouteObjectValues& values,
                                std::string& strMessage) {
    host::IHost* host = host::GetHost();
    host::SOFError* error = nullptr;
    std::unique_ptr<host::IServerObject> pRoutingObj;
    if (host)
        pRoutingObj = host->Objects().CreateObject(kinds::kCTCPIPRoutes, host::kClientName,
                                                   m_strSystemName, "", &error);
    if (!pRoutingObj) {
        if (host::IsPendingError(error)) {
            strMessage = error->GetText();
            host::TraceShowAndDestroy(
                error, "Error: -> pRoutingObj = new CTCPIPRoutes ...<- returned NULL pointer.",
                nullptr);
            return false;
        }
        Trace("Error: ->pRoutingObj = new CTCPIPRoutes(...)<- , pRoutingObj = NULL.");
        strMessage = ui::LoadText(IDS_ROUTES_HOST_FAILED);
        return false;
    }
    pRoutingObj->SetAttribute(rt::kDestination, route.strDestination);
    pRoutingObj->SetAttribute(rt::kSubnetMask, route.strSubnetMask);
    pRoutingObj->SetAttribute(rt::kNextHop, OrDynamic(route.strNextHop));
    pRoutingObj->SetAttribute(rt::kBindingProfile, config::ToUpper(values.strInterfaceName));
    if (values.bPPP) pRoutingObj->SetAttribute(rt::kPPP, "1");
    if (values.bPerUser) {
        pRoutingObj->SetAttribute(rt::kExtraValue, route.strExtraValue);
        pRoutingObj->SetAttribute(rt::kCodePage, CodePageText());
    }
    if (!values.strPairedAnswer.empty())
        pRoutingObj->SetAttribute(rt::kDependentValue, config::ToUpper(values.strPairedAnswer));
    pRoutingObj->Commit(&error);
    if (!host::IsPendingError(error)) return true;
    strMessage = error->GetText();
    error->SetTraceText("Error from routing dialog add route pRoutingObj->CommitChanges.");
    error->Destroy();
    return false;
}

bool CProfileRouteStore::SetRoutingChoice(std::string_view profileName, int choice,
                                          std::string& strMessage) {
    host::IHost* host = host::GetHost();
    host::SOFError* error = nullptr;
    std::unique_ptr<host::IServerObject> pRoutingObj;
    if (host)
        pRoutingObj =
            host->Objects().CreateObject(kinds::kProfileObject, host::kClientName, m_strSystemName,
                                         config::ToUpper(profileName), &error);
    if (pRoutingObj && !host::IsPendingError(error)) {
        pRoutingObj->SetAttribute(attr::profile::kRoutingChoice, std::to_string(choice));
        pRoutingObj->Commit(&error);
    }
    if (pRoutingObj && !host::IsPendingError(error)) return true;
    constexpr std::string_view trace =
        "Error from routing dialog ResetDependentDODProfle pRoutingObj->CommitChanges.";
    Trace(trace);
    if (!host::IsPendingError(error)) {
        strMessage = ui::LoadText(IDS_ROUTES_HOST_FAILED);
        return false;
    }
    strMessage = error->GetText();
    error->SetTraceText(trace);
    error->Destroy();
    return false;
}

}  // namespace ptp::profiles
