#pragma once
// The per-user address list of an answering profile: for each user that calls, the address it
// gets and the networks behind it. Each address and each network is a route object bound to the
// profile's interface and marked with the user's name; saving the profile removes what the user
// removed and creates what was added. The dialog edits a copy; OK keeps it, Cancel drops it.
//
// A dial-on-demand profile keeps its own routes in the same shape: the remote systems it dials,
// the address it dials each at and the networks behind them. When one pairs with an answering
// profile, the answering profile's callers are the systems it dials, so the answering profile's
// list is the dial-on-demand profile's: its routes bind to that dependent profile's interface.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "profiles/ip_address_information.h"
#include "profiles/profile_route_store.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileTCPIPSettingsIPAddressDialog : public ui::CDialog {
  public:
    CPointToPointProfileTCPIPSettingsIPAddressDialog(std::string_view systemName,
                                                     CPointToPointProfilePropertySheet* pSheet,
                                                     ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;
    void OnOK() override;

    // The dial-on-demand profile that pairs with this answering profile; set before Load.
    void SetDependentProfile(std::string_view name) { m_strDependentProfile = name; }
    // The answering profile whose callers the routes reach, when they are a dial-on-demand
    // profile's; written with each route created.
    void SetPairedAnswer(std::string_view name) { m_strPairedAnswer = name; }

    // Reads the list the first time; false after the user was told.
    bool Load();
    // First the removed addresses, then the removed routes, then the added addresses and the
    // added routes; 0 on success, 1 at the first failure with the server's reply in
    // `strMessage`. A dependent profile is reset to route by none of them before any changes
    // and routes by its own list again once they all reached the server.
    int Store(std::string& strMessage);
    [[nodiscard]] int GetCount() const { return static_cast<int>(m_users.size()); }
    // The entries as kept after the last OK.
    [[nodiscard]] const std::vector<CIPAddressInformation>& GetUsers() const { return m_users; }

  private:
    void Fill();
    void Add();
    void Remove();
    void OpenRoutes();
    // The user's address as the route object that hands it out.
    [[nodiscard]] static CRouteInformation AddressRow(const CIPAddressInformation& user);
    // The profile whose interface the routes bind to.
    [[nodiscard]] std::string BoundProfile() const;
    // Whether a Store has anything to send.
    [[nodiscard]] bool HasChanges() const;
    int StoreChanges(const std::string& interfaceName, std::string& strMessage);

    CPointToPointProfilePropertySheet* m_pSheet;
    CProfileRouteStore m_server;
    bool m_bLoaded = false;
    std::string m_strDependentProfile;
    std::string m_strPairedAnswer;
    std::vector<CIPAddressInformation> m_users;
    CRouteRemoveList m_removedAddresses;
    CRouteRemoveList m_removedRoutes;
    // The copy the dialog edits while it is open.
    std::vector<CIPAddressInformation> m_shownUsers;
    CRouteRemoveList m_shownRemovedAddresses;
    CRouteRemoveList m_shownRemovedRoutes;
};

}  // namespace ptp::profiles
