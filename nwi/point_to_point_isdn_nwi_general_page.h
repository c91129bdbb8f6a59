#pragma once
// The general page of the network interface sheet: the interface's name, description, ISDN port,
// network type and rate (both fixed once the interface exists). Its OK commits the sheet.
#include <string>
#include <vector>

#include "nwi/nwi_page.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiGeneralPage : public CNwiPage {
  public:
    explicit CPointToPointIsdnNwiGeneralPage(CPointToPointIsdnNwiPropertySheet* pSheet);

    // The system's ISDN ports; false after the failure was shown.
    bool LoadServerData();

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    ui::BOOL OnApply() override;

    [[nodiscard]] bool Validate() override;
    void Collect(CNwiCommandValues& values) override;
    // What the service page offers depends on these.
    [[nodiscard]] std::string NetworkType();
    [[nodiscard]] bool IsPrimaryRate();

  protected:
    void Load() override;

  private:
    std::vector<std::string> m_ports;
    std::string m_strName;
    std::string m_strDescription;
    std::string m_strResource;
    int m_nNetworkType = -1;
    int m_nRate = -1;  // basic, primary
};

}  // namespace ptp::nwi
