#pragma once
// The entries page of the network interface sheet: its channel entries and protocol entries,
// each list edited through its own dialog.
#include <vector>

#include "nwi/nwi_page.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiEntriesPage : public CNwiPage {
  public:
    explicit CPointToPointIsdnNwiEntriesPage(CPointToPointIsdnNwiPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool Validate() override;
    void Collect(CNwiCommandValues& values) override;

  protected:
    void Load() override;

  private:
    void Show();
    void UpdateControls();
    void OnAddChannel();
    void OnRemoveChannel();
    void OnAddProtocol();
    void OnRemoveProtocol();

    bool m_bAllChannels = false;
    std::vector<CChannelEntry> m_channels;
    bool m_bAllProtocols = false;
    std::vector<CProtocolEntry> m_protocols;
};

}  // namespace ptp::nwi
