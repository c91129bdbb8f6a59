#pragma once
// Adds one protocol entry to a network interface: all protocols, or a protocol with its load
// choice and its maximum.
#include <string>

#include "nwi/nwi_command_values.h"
#include "platform/ui/dialog.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiAddProtocolEntriesDialog : public ui::CDialog {
  public:
    explicit CPointToPointIsdnNwiAddProtocolEntriesDialog(ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOK() override;

    [[nodiscard]] bool AllProtocols() const { return m_nAll == 1; }
    [[nodiscard]] CProtocolEntry Entry() const;

  private:
    void UpdateControls();

    int m_nAll = 0;
    int m_nProtocol = 0;
    int m_nLoad = 0;
    std::string m_strMaximum = "*NONE";
};

}  // namespace ptp::nwi
