#pragma once
// The link page of the L2TP line sheet: the speed the tunnel is taken to run at, the largest
// frame and the tunnel's keep-alive.
#include <string>

#include "lines/virtual_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineL2TPPropertySheet;

class CPointToPointProfileLineL2TPLinkPage : public CVirtualLinePage {
  public:
    explicit CPointToPointProfileLineL2TPLinkPage(
        CPointToPointProfileLineL2TPPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Store() override;

  protected:
    void Load() override;

  private:
    CPointToPointProfileLineL2TPPropertySheet* m_pL2TPSheet;
    std::string m_strSpeed = "115200";
    std::string m_strMaxFrame = "1500";
    int m_nKeepAlive = 1;
};

}  // namespace ptp::lines
