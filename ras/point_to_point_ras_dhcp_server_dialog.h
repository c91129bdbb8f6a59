#pragma once
// One DHCP server or relay agent for the DHCP WAN client's list: its address and which it is.
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::ras {

class CPointToPointRASDHCPServerDialog : public ui::CDialog {
  public:
    explicit CPointToPointRASDHCPServerDialog(ui::CWnd* pParent = nullptr);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOK() override;

    [[nodiscard]] const std::string& GetAddress() const { return m_strAddress; }
    [[nodiscard]] bool IsRelay() const { return m_nType == 1; }

  private:
    std::string m_strAddress;
    int m_nType = 0;  // radio index: 0 server, 1 relay agent
};

}  // namespace ptp::ras
