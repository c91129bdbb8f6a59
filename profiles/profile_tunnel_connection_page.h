#pragma once
// What the connection pages of the tunnel profiles (the L2TP initiator and terminator, the PPPoE
// initiator) share: the virtual line the tunnel runs on, with its box, buttons and checks, and the
// inactivity time-out, stored around the page's own values.
#include <string>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_numeric_setting.h"
#include "profiles/profile_virtual_line_list.h"

namespace ptp::profiles {

class CProfileTunnelConnectionPage : public CPointToPointProfilePage {
  public:
    CProfileTunnelConnectionPage(UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet,
                                 VirtualLineKind kind);

    ui::BOOL OnKillActive() override;
    // A page never shown keeps what the profile holds, as long as it names a line. A shown page
    // needs a listed line; its own values follow, then the time-out.
    int Store() override;
    [[nodiscard]] bool HasLineChanged() const override { return m_strLine != m_strLoadedLine; }

  protected:
    // The page's own checks and values, once the line passed: kPageOk, or kPageFailed after a
    // message.
    virtual int StoreTunnel() = 0;
    // The line's type, kind and name onto the profile.
    void StoreLine();
    // Makes this page active and shows `message` about the line, with the focus on `control`;
    // answers kPageFailed.
    int Refuse(UINT message, int control);

    CProfileVirtualLineList m_lines;
    bool m_bLoaded = false;
    std::string m_strLine;
    std::string m_strLoadedLine;
    CProfileNumericSetting m_numericSetting;

  private:
    VirtualLineKind m_kind;
};

}  // namespace ptp::profiles
