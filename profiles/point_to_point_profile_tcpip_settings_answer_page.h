#pragma once
// The TCP/IP settings of answering profiles and L2TP terminators: the local address, how the
// remote system gets its address (none, one, per user, a range, from the DHCP WAN client or from
// RADIUS), a few switches, the routing choice, and the Advanced dialog.
#include <memory>
#include <string>

#include "profiles/point_to_point_profile_tcpip_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_ip_address_dialog.h"
#include "profiles/remote_access_services_state.h"

namespace ptp::profiles {

class CPointToPointProfileTCPIPSettingsAnswerPage : public CPointToPointProfileTCPIPPage {
  public:
    explicit CPointToPointProfileTCPIPSettingsAnswerPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    // Positions of the remote address methods in the list; each entry carries its position.
    enum Position {
        kNoChoice = -1,
        kNone = 0,
        kOne = 1,
        kPerUser = 2,
        kRange = 3,
        kDhcpWanClient = 4,
        kRadius = 5,
    };

    // Profiles that carry one connection at a time get one remote address by default.
    [[nodiscard]] bool IsSingleConnection() const;
    [[nodiscard]] int PositionOf(int method) const;
    [[nodiscard]] int MethodOf(int position) const;
    void FillMethods();
    [[nodiscard]] int ChosenPosition();
    // Chooses the entry of `position` as the user would.
    void ShowPosition(int position);
    void EnableControls();
    // The range's addresses must all be valid; false after the user was told.
    bool CheckRange(const std::string& first, int count);
    // The per-user address list, read on first use; false after the user was told.
    bool EnsureAddressDialog();
    void OpenAddresses();
    // The per-user list reaches the server when it is on or the remote addresses come from it;
    // kPageFailed after the user was told.
    int StoreAddresses();

    bool m_bLoaded = false;
    CRemoteAccessServicesState m_services;
    std::string m_strLocalAddress;
    int m_nPosition = kNoChoice;
    std::string m_strRemoteAddress;
    std::string m_strCount = "1";
    int m_nPerUser = 0;
    int m_nRemoteChooses = 0;
    int m_nHideAddresses = 0;
    int m_nRouting = 0;
    std::unique_ptr<CPointToPointProfileTCPIPSettingsIPAddressDialog> m_pIPAddressDialog;
};

}  // namespace ptp::profiles
