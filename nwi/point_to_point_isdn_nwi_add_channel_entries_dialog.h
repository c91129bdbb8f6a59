#pragma once
// Adds one channel entry to a network interface: every switched channel, or one channel (a
// number or the D channel) used switched or nonswitched, and on a new interface what it is
// reserved for.
#include <string>

#include "nwi/nwi_command_values.h"
#include "platform/ui/dialog.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiAddChannelEntriesDialog : public ui::CDialog {
  public:
    CPointToPointIsdnNwiAddChannelEntriesDialog(ui::CWnd* pParent, bool bNewInterface);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOK() override;

    [[nodiscard]] bool AllChannels() const { return m_nAll == 1; }
    [[nodiscard]] CChannelEntry Entry() const;

  private:
    void UpdateControls();

    bool m_bNewInterface;
    int m_nAll = 0;
    std::string m_strChannel;
    int m_nDChannel = 0;
    int m_nConnection = 0;  // switched, nonswitched
    std::string m_strThird;
};

}  // namespace ptp::nwi
