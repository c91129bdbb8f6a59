#pragma once
// The connection page of an L2TP terminator (virtual line mode 2): the local address the tunnels
// arrive at, the L2TP line, how many callers it serves and how their links bundle.
#include <string>
#include <vector>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_numeric_setting.h"
#include "profiles/profile_virtual_line_list.h"

namespace ptp::profiles {

class CPointToPointProfileL2TPTerminatorConnectionPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileL2TPTerminatorConnectionPage(
        CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    ui::BOOL OnKillActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool HasLineChanged() const override { return m_strLine != m_strLoadedLine; }

  private:
    void FillEndPoints();
    void UpdateMultilinkControls();
    void OnConnectionsChanged();
    int Refuse(UINT message, int control);

    CProfileVirtualLineList m_lines;
    bool m_bLoaded = false;
    std::string m_strLine;
    std::string m_strLoadedLine;
    std::string m_strEndPoint = "0.0.0.0";
    std::vector<std::string> m_endPoints;  // box order; the first is any local address
    int m_nConnections = 5;
    int m_nMultilink = 0;
    int m_nLinks = 2;
    int m_nBandwidth = 0;
    int m_nMultihop = 0;
    int m_nRequireSecret = 0;
    CProfileNumericSetting m_numericSetting;
};

}  // namespace ptp::profiles
