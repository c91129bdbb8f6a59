#pragma once
// How an L2TP line authenticates its tunnel when it dials: the host name it gives and, when the
// box is checked, the tunnel secret. Both live in the line's entry of the default validation list.
#include <string>

#include "lines/l2tp_tunnel_entries.h"
#include "lines/virtual_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineL2TPDialAuthPage : public CVirtualLinePage {
  public:
    explicit CPointToPointProfileLineL2TPDialAuthPage(CVirtualLineSheetBase* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Store() override {}
    // The entry to write: none when the line has no dialling authentication and had none.
    [[nodiscard]] bool HasEntry() const;
    [[nodiscard]] CL2TPTunnelEntry Entry() const;

  protected:
    void Load() override;

  private:
    void UpdateControls();

    std::string m_strHostName;
    int m_nSecretOn = 0;
    std::string m_strSecret;
    bool m_bHadEntry = false;
};

}  // namespace ptp::lines
