#pragma once
// The connection page of the digital line sheet: whether a switched line answers, dials or both,
// its inactivity timer, the command that initialises a modem it calls, and data compression.
#include <string>

#include "lines/digital_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineDigitalConnectionPage : public CDigitalLinePage {
  public:
    explicit CPointToPointProfileLineDigitalConnectionPage(
        CPointToPointProfileLineDigitalPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;
    void Store() override;
    // "*ANS", "*DIAL" or "*BOTH".
    [[nodiscard]] std::string SwitchedConnection() const;

  protected:
    void Load() override;

  private:
    void UpdateControls();
    [[nodiscard]] std::string InitCommandValue() const;

    int m_nSwitchedConnection = -1;  // answer, dial, both; no choice is both
    int m_nInactivityOn = 0;
    std::string m_strInactivity = "15";
    int m_nInitOn = 0;
    std::string m_strInitCommand;
    int m_nCompress = 0;
};

}  // namespace ptp::lines
