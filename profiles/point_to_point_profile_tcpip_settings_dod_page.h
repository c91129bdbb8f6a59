#pragma once
// The TCP/IP settings of a dial-on-demand profile on a line pool: the answering profile it pairs
// with (whose addresses it takes), its remote address, two switches, its own routes and the
// Advanced dialog.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "profiles/ip_address_information.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/point_to_point_profile_tcpip_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_ip_address_dialog.h"
#include "profiles/profile_route_store.h"

namespace ptp::profiles {

class CPointToPointProfileTCPIPSettingsDodPage : public CPointToPointProfileTCPIPPage {
  public:
    explicit CPointToPointProfileTCPIPSettingsDodPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    [[nodiscard]] const CPairableAnswerProfile* Find(const std::string& name) const;
    // The addresses of the answering profile the user chose.
    void TakeAnswerAddresses();
    // The users of `answer`'s per-user address list, whose networks this profile may dial.
    void ReadNetworks(const std::string& answer);
    // The networks the page offers: the answering profile's users, then this profile's own
    // entries by other names.
    [[nodiscard]] std::vector<CIPAddressInformation> Networks() const;
    void FillNetworks();
    [[nodiscard]] std::optional<CIPAddressInformation> FindNetwork(const std::string& name) const;
    // The chosen network's user address becomes the remote address.
    void TakeNetworkAddress();
    // This profile's own routes, read on first use; false after the user was told.
    bool EnsureRoutesDialog();
    void OpenRoutes();
    // Once the user opened the routes, they reach the server and the routing choice follows
    // them. kPageFailed after the user was told.
    int StoreRoutes();

    bool m_bLoaded = false;
    std::vector<CPairableAnswerProfile> m_answers;
    std::string m_strAnswerProfile;
    std::string m_strLocalAddress;
    std::string m_strRemoteAddress;
    int m_nHideAddresses = 0;
    int m_nHeaderCompression = 0;
    std::unique_ptr<CProfileRouteStore> m_pRouteStore;
    std::vector<CIPAddressInformation> m_networks;
    std::string m_strNetwork;
    std::unique_ptr<CPointToPointProfileTCPIPSettingsIPAddressDialog> m_pRoutesDialog;
    bool m_bRoutesOpened = false;
};

}  // namespace ptp::profiles
