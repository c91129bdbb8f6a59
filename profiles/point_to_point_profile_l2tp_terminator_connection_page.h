#pragma once
// The connection page of an L2TP terminator (virtual line mode 2): the local address the tunnels
// arrive at, the L2TP line, how many callers it serves and how their links bundle.
#include <string>
#include <vector>

#include "profiles/profile_tunnel_connection_page.h"

namespace ptp::profiles {

class CPointToPointProfileL2TPTerminatorConnectionPage : public CProfileTunnelConnectionPage {
  public:
    explicit CPointToPointProfileL2TPTerminatorConnectionPage(
        CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;

  private:
    int StoreTunnel() override;
    void FillEndPoints();
    void UpdateMultilinkControls();
    void OnConnectionsChanged();

    std::string m_strEndPoint = "0.0.0.0";
    std::vector<std::string> m_endPoints;  // box order; the first is any local address
    int m_nConnections = 5;
    int m_nMultilink = 0;
    int m_nLinks = 2;
    int m_nBandwidth = 0;
    int m_nMultihop = 0;
    int m_nRequireSecret = 0;
};

}  // namespace ptp::profiles
