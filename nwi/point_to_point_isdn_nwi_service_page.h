#pragma once
// The service page of the network interface sheet: the line parameters of a primary-rate
// interface (automatic, or short or long haul with their clock), and the service profile
// identifiers of a basic-rate interface (automatic, or the two given).
#include <array>
#include <string>

#include "nwi/nwi_page.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiServicePage : public CNwiPage {
  public:
    explicit CPointToPointIsdnNwiServicePage(CPointToPointIsdnNwiPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CNwiCommandValues& values) override;

  protected:
    void Load() override;

  private:
    void ShowSpids();
    void OnSetSpid();

    int m_nAutoParameters = -1;  // yes, no
    int m_nShortHaul = -1;       // long haul, 133 ... 655
    int m_nLongHaul = -1;
    int m_nClock = 0;
    int m_nAutoSpid = -1;  // yes, no
    std::array<std::string, 2> m_spids;
};

}  // namespace ptp::nwi
