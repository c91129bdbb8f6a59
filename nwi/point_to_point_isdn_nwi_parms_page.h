#pragma once
// The parameters page of the network interface sheet: call setup, the activation and
// reactivation timers, and the error-recovery limits (or the system value).
#include <string>

#include "nwi/nwi_page.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiParmsPage : public CNwiPage {
  public:
    explicit CPointToPointIsdnNwiParmsPage(CPointToPointIsdnNwiPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CNwiCommandValues& values) override;

  protected:
    void Load() override;

  private:
    void UpdateControls();

    int m_nSetup = -1;         // as the network type says, without the low-layer element
    int m_nReactivation = -1;  // network type, none, wait, seconds
    std::string m_strReactivation = "10";
    std::string m_strActivation = "10";
    int m_nSpecific = 0;
    std::string m_strRecoveryCount = "2";
    std::string m_strRecoveryInterval = "5";
};

}  // namespace ptp::nwi
