#pragma once
// The per-user address list of an answering profile: for each user that calls, the address it
// gets and the networks behind it. Each address and each network is a route object bound to the
// profile's interface and marked with the user's name; saving the profile removes what the user
// removed and creates what was added. The dialog edits a copy; OK keeps it, Cancel drops it.
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

    // Reads the list the first time; false after the user was told.
    bool Load();
    // First the removed addresses, then the removed routes, then the added addresses and the
    // added routes; 0 on success, 1 at the first failure with the server's reply in
    // `strMessage`.
    int Store(std::string& strMessage);
    [[nodiscard]] int GetCount() const { return static_cast<int>(m_users.size()); }

  private:
    void Fill();
    void Add();
    void Remove();
    void OpenRoutes();
    // The user's address as the route object that hands it out.
    [[nodiscard]] static CRouteInformation AddressRow(const CIPAddressInformation& user);

    CPointToPointProfilePropertySheet* m_pSheet;
    CProfileRouteStore m_server;
    bool m_bLoaded = false;
    std::vector<CIPAddressInformation> m_users;
    CRouteRemoveList m_removedAddresses;
    CRouteRemoveList m_removedRoutes;
    // The copy the dialog edits while it is open.
    std::vector<CIPAddressInformation> m_shownUsers;
    CRouteRemoveList m_shownRemovedAddresses;
    CRouteRemoveList m_shownRemovedRoutes;
};

}  // namespace ptp::profiles
