#pragma once
// The connection page of a PPPoE initiator (virtual line mode 9): the PPPoE line, which access
// concentrators the profile accepts (any, by service name, by concentrator name, or both), and
// the session's reconnection and time-out.
#include <string>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_numeric_setting.h"
#include "profiles/profile_virtual_line_list.h"

namespace ptp::profiles {

class CPointToPointProfilePPPoEInitiatorConnectionPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfilePPPoEInitiatorConnectionPage(
        CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    ui::BOOL OnKillActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool HasLineChanged() const override { return m_strLine != m_strLoadedLine; }

  private:
    void UpdateControls();
    int Refuse(UINT message, int control);
    // The selection's names: none missing and none with a blank (0), else the message.
    [[nodiscard]] UINT CheckNames(int& control);

    CProfileVirtualLineList m_lines;
    bool m_bLoaded = false;
    std::string m_strLine;
    std::string m_strLoadedLine;
    int m_nSelection = 0;  // radio index: attribute 86 less one
    std::string m_strServiceName;
    std::string m_strConcentratorName;
    int m_nReconnect = 0;
    CProfileNumericSetting m_numericSetting;
};

}  // namespace ptp::profiles
