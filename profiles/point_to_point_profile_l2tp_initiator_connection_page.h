#pragma once
// The connection page of an L2TP initiator (virtual line modes 1, 3, 5, 7 and 8): the L2TP line
// the tunnel runs on, the remote tunnel end point, the numbers of the outgoing call (modes 1 and
// 3), and the tunnel's host name and time-out.
#include <array>
#include <memory>
#include <string>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_numeric_setting.h"
#include "profiles/profile_virtual_line_list.h"

namespace ptp::profiles {

class CPointToPointProfileL2TPDialOutgoingCallDialog;

class CPointToPointProfileL2TPInitiatorConnectionPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileL2TPInitiatorConnectionPage(
        CPointToPointProfilePropertySheet* pSheet);
    ~CPointToPointProfileL2TPInitiatorConnectionPage() override;

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    ui::BOOL OnKillActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool HasLineChanged() const override { return m_strLine != m_strLoadedLine; }

  private:
    // Modes 1 and 3 place an outgoing call before the tunnel comes up.
    [[nodiscard]] bool UsesOutgoingCall() const;
    [[nodiscard]] bool UsesRedial() const;
    // The end point lives in its own attribute from release 050300 on.
    [[nodiscard]] int EndPointAttribute() const;
    void UpdateControls();
    void ShowNumbers();
    void OnOutgoingCall();
    int Refuse(UINT message, int control);
    void CreateOutgoingCallDialog();

    CProfileVirtualLineList m_lines;
    bool m_bLoaded = false;
    std::string m_strLine;
    std::string m_strLoadedLine;
    std::string m_strEndPoint;
    int m_nRedial = 0;
    int m_nHostNameOn = 0;
    std::string m_strHostName;
    CProfileNumericSetting m_numericSetting;
    std::unique_ptr<CPointToPointProfileL2TPDialOutgoingCallDialog> m_pDialPropertiesDialog;
};

}  // namespace ptp::profiles
