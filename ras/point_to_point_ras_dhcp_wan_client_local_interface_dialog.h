#pragma once
// The server's TCP/IP interfaces to choose the DHCP WAN client's local address from: address,
// line and kind of each. The loopback interface cannot serve as one and is not offered.
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace ptp::ras {

class CPointToPointRASDhcpWanClientLocalInterfaceDialog : public ui::CDialog {
  public:
    CPointToPointRASDhcpWanClientLocalInterfaceDialog(std::string_view systemName,
                                                      ui::CWnd* pParent = nullptr);

    ui::BOOL OnInitDialog() override;
    void OnOK() override;

    // The address chosen, or the one preselected before DoModal.
    [[nodiscard]] const std::string& GetAddress() const { return m_strAddress; }
    void SetAddress(std::string_view address) { m_strAddress = std::string(address); }

  private:
    void FillInterfaces();

    std::string m_strSystemName;
    std::string m_strAddress;
};

}  // namespace ptp::ras
