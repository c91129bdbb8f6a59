#pragma once
// The link page of the PPPoE line sheet: the Ethernet line under the PPPoE line (with the doors
// to the Ethernet line sheet), the largest frame and the session's keep-alive.
#include <string>
#include <vector>

#include "lines/virtual_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLinePPPoEPropertySheet;

class CPointToPointProfileLinePPPoELinkPage : public CVirtualLinePage {
  public:
    explicit CPointToPointProfileLinePPPoELinkPage(
        CPointToPointProfileLinePPPoEPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Store() override;

  protected:
    void Load() override;

  private:
    // The system's Ethernet lines into the box; false after the failure was shown.
    bool FillEthernetLines();
    void UpdateButtons();
    void OnNewEthernetLine();
    void OnEthernetLineProperties();
    void OpenEthernetSheet(const std::string& line, bool isNew);

    CPointToPointProfileLinePPPoEPropertySheet* m_pPPPoESheet;
    std::string m_strEthernetLine;
    std::string m_strMaxFrame = "1492";
    int m_nKeepAlive = 1;
    std::vector<std::string> m_ethernetLines;
};

}  // namespace ptp::lines
