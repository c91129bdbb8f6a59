#pragma once
// The connection page of an L2TP initiator (virtual line modes 1, 3, 5, 7 and 8): the L2TP line
// the tunnel runs on, the remote tunnel end point, the numbers of the outgoing call (modes 1 and
// 3), and the tunnel's host name and time-out.
#include <array>
#include <memory>
#include <string>

#include "profiles/profile_tunnel_connection_page.h"

namespace ptp::profiles {

class CPointToPointProfileL2TPDialOutgoingCallDialog;

class CPointToPointProfileL2TPInitiatorConnectionPage : public CProfileTunnelConnectionPage {
  public:
    explicit CPointToPointProfileL2TPInitiatorConnectionPage(
        CPointToPointProfilePropertySheet* pSheet);
    ~CPointToPointProfileL2TPInitiatorConnectionPage() override;

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;

  private:
    int StoreTunnel() override;
    // Modes 1 and 3 place an outgoing call before the tunnel comes up.
    [[nodiscard]] bool UsesOutgoingCall() const;
    [[nodiscard]] bool UsesRedial() const;
    // The end point lives in its own attribute from release 050300 on.
    [[nodiscard]] int EndPointAttribute() const;
    void UpdateControls();
    void ShowNumbers();
    void OnOutgoingCall();
    void CreateOutgoingCallDialog();

    std::string m_strEndPoint;
    int m_nRedial = 0;
    int m_nHostNameOn = 0;
    std::string m_strHostName;
    std::unique_ptr<CPointToPointProfileL2TPDialOutgoingCallDialog> m_pDialPropertiesDialog;
};

}  // namespace ptp::profiles
