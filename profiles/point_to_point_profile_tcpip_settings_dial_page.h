#pragma once
// The TCP/IP settings of dialling and initiator profiles (and of an answering profile on a
// nonswitched line): the local and remote addresses, given or assigned as the link comes up, a
// few switches, the routing choice, and the Advanced dialog.
#include <memory>
#include <string>

#include "profiles/point_to_point_profile_tcpip_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_routes_dialog.h"

namespace ptp::profiles {

class CPointToPointProfileTCPIPSettingsDialPage : public CPointToPointProfileTCPIPPage {
  public:
    explicit CPointToPointProfileTCPIPSettingsDialPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool AsksForScript() const override;

  private:
    // Radio buttons of both address groups, in page order.
    enum Method { kGiven = 0, kDynamic = 1 };
    // The routing radio buttons; the last one uses the profile's own route list.
    static constexpr int kRouteList = 2;

    [[nodiscard]] bool IsNonswitchedAnswer() const;
    // Switched mode 4 and both nonswitched modes hide their addresses behind the local one.
    [[nodiscard]] bool OffersHiding() const;
    void LoadDefaults();
    void EnableControls();
    // The route list, read on first use; false after the user was told.
    bool EnsureRoutingDialog();
    void OpenRoutes();
    // Routing choice 2: the route list reaches the server. kPageFailed after the user was told.
    int StoreRoutes();

    bool m_bLoaded = false;
    int m_nLocalMethod = kDynamic;
    std::string m_strLocalAddress;
    int m_nRemoteMethod = kDynamic;
    std::string m_strRemoteAddress;
    int m_nHideAddresses = 0;
    int m_nHeaderCompression = 0;
    int m_nRouting = 0;
    std::unique_ptr<CPointToPointProfileTCPIPSettingsRoutesDialog> m_pRoutingDialog;
};

}  // namespace ptp::profiles
