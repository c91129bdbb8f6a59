#pragma once
// The TCP/IP settings every TCP/IP page shares: IP forwarding, RIP on the profile's interface
// (kept in the route daemon's interface configuration, not in the profile), the packet filter
// rules that apply, and a SLIP link's frame size. Created on demand by a TCP/IP page and kept for
// the sheet's life; its values are read once and live on between showings.
#include <string>
#include <string_view>

#include "host/route_d_interface_configuration.h"
#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileTCPIPSettingsAdvancedDialog : public ui::CDialog {
  public:
    CPointToPointProfileTCPIPSettingsAdvancedDialog(std::string_view systemName, ui::CWnd* pParent);

    void SetSheet(CPointToPointProfilePropertySheet* pSheet) { m_pSheet = pSheet; }

    ui::BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Reads the values the first time it is asked: the profile's attributes and its record.
    void Load(const host::CRouteDInterfaceConfiguration& routes);
    // Writes the attributes and rewrites the profile's record (deleted, then added). False after
    // a failure of the record file, traced on the sheet, with the server's text in `strError`.
    bool Store(host::CRouteDInterfaceConfiguration& routes, std::string& strError);

  private:
    enum Rip { kRipNone = 0, kRip1 = 1, kRip2 = 2 };
    enum Supply { kSupplyFull = 0, kSupplyLimited = 1 };

    // PPP switched answer profiles and L2TP terminators hand out routes by default.
    [[nodiscard]] bool IsAnswerKind() const;
    [[nodiscard]] std::string InterfaceName() const;
    [[nodiscard]] int FindRecord(const host::CRouteDInterfaceConfiguration& routes) const;
    void FillFilterRules();
    void EnableControls();
    void StartRulesEditor();

    CPointToPointProfilePropertySheet* m_pSheet = nullptr;
    std::string m_strSystemName;
    bool m_bLoaded = false;
    int m_nForwarding = 0;
    int m_nRip = kRipNone;
    int m_nSupply = kSupplyLimited;
    int m_nFilterRulesOn = 0;
    std::string m_strFilterRules;
    int m_nFrameSize = 0;
};

}  // namespace ptp::profiles
