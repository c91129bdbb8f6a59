#pragma once
// What the route dialogs ask of the server: the routes bound to a profile's interface, removing
// one with RMVTCPRTE, and creating one as a route object. Each dialog keeps one for its life, so
// its command connection is opened once.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"
#include "profiles/route_information.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

// The values a route object gets besides its destination, mask and next hop.
struct CRouteObjectValues {
    std::string strInterfaceName;  // the profile the route binds to
    bool bPPP = true;
    bool bPerUser = false;  // per-user rows also carry their user, next hop and code page
    // Routes of a dial-on-demand profile name the answering profile it pairs with.
    std::string strPairedAnswer;
};

class CProfileRouteStore {
  public:
    CProfileRouteStore(std::string_view systemName, CPointToPointProfilePropertySheet* pSheet);
    ~CProfileRouteStore();

    // The routes bound to the sheet's profile (names compare without case), flagged as saved; a
    // new profile has none. False after the user was told that the list could not be read.
    bool Read(std::vector<CRouteInformation>& routes);
    // The routes bound to `interfaceName`, another profile's.
    bool ReadFor(std::string_view interfaceName, std::vector<CRouteInformation>& routes);
    // Deletes `route` from interface PPP<interfaceName>. False with the server's reply in
    // `strMessage`; the route then stays on the server.
    bool Remove(const CRouteInformation& route, std::string_view interfaceName,
                std::string& strMessage);
    // Creates the route object and commits it. False with the server's reply in `strMessage`.
    bool Create(const CRouteInformation& route, const CRouteObjectValues& values,
                std::string& strMessage);

    // Commits routing choice `choice` to profile `profileName` on the server, apart from any
    // sheet's profile object. False with the server's reply in `strMessage`.
    bool SetRoutingChoice(std::string_view profileName, int choice, std::string& strMessage);

    [[nodiscard]] static std::string RemoveCommand(const CRouteInformation& route,
                                                   std::string_view interfaceName);

  private:
    void Trace(std::string_view text);

    std::string m_strSystemName;
    CPointToPointProfilePropertySheet* m_pSheet;
    std::unique_ptr<host::ICommandConnection> m_pRemoteCommand;
};

}  // namespace ptp::profiles
