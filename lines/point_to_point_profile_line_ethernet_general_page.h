#pragma once
// The general page of the Ethernet line sheet: the line's name, description, Ethernet port and
// whether it is varied on when the system starts. Its OK commits the sheet.
#include <string>
#include <vector>

#include "lines/line_page_base.h"

namespace ptp::lines {

class CPointToPointProfileLineEthernetPropertySheet;
struct CEthernetLineValues;

class CPointToPointProfileLineEthernetGeneralPage : public CLinePageBase {
  public:
    explicit CPointToPointProfileLineEthernetGeneralPage(
        CPointToPointProfileLineEthernetPropertySheet* pSheet);

    // The system's Ethernet ports; false after the failure was shown.
    bool LoadServerData();

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    ui::BOOL OnApply() override;

    [[nodiscard]] bool Validate() override;
    void Collect(CEthernetLineValues& values) const;
    void Store();

  protected:
    void Load() override;

  private:
    CPointToPointProfileLineEthernetPropertySheet* m_pSheet;
    std::vector<std::string> m_ports;
    std::string m_strName;
    std::string m_strDescription;
    std::string m_strResource;
    int m_nOnline = 0;
};

}  // namespace ptp::lines
