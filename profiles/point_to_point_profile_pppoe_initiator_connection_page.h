#pragma once
// The connection page of a PPPoE initiator (virtual line mode 9): the PPPoE line, which access
// concentrators the profile accepts (any, by service name, by concentrator name, or both), and
// the session's reconnection and time-out.
#include <string>

#include "profiles/profile_tunnel_connection_page.h"

namespace ptp::profiles {

class CPointToPointProfilePPPoEInitiatorConnectionPage : public CProfileTunnelConnectionPage {
  public:
    explicit CPointToPointProfilePPPoEInitiatorConnectionPage(
        CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;

  private:
    int StoreTunnel() override;
    void UpdateControls();
    // The selection's names: none missing and none with a blank (0), else the message.
    [[nodiscard]] UINT CheckNames(int& control);

    int m_nSelection = 0;  // radio index: attribute 86 less one
    std::string m_strServiceName;
    std::string m_strConcentratorName;
    int m_nReconnect = 0;
};

}  // namespace ptp::profiles
