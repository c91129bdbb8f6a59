#pragma once
// Where a dialling or initiator profile gets its domain name server: an address the user gives,
// the one the remote system names as the link comes up (PPP only), or no DNS setting at all.
#include <string>

#include "profiles/point_to_point_profile_page.h"

namespace ptp::profiles {

class CPointToPointProfileDNSPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileDNSPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    ui::BOOL OnKillActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    // Radio buttons in page order.
    enum Choice { kGiven = 0, kFromRemote = 1, kNone = 2 };

    void EnableAddress();
    // Shows the message and keeps the focus on the address when the given address is not one.
    [[nodiscard]] bool CheckAddress();

    bool m_bLoaded = false;
    int m_nChoice = kNone;
    std::string m_strAddress;
};

}  // namespace ptp::profiles
