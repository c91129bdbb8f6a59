#pragma once
// How a line connects: which way a switched line is used, how it dials, the command that puts
// the modem into asynchronous mode, flow control and the line's timers.
#include <string>

#include "lines/point_to_point_profile_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineConnectionPage : public CPointToPointProfileLinePage {
  public:
    explicit CPointToPointProfileLineConnectionPage(CPointToPointProfileLinePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CLineCommandValues& values) override;
    void Store() override;

    // DIALCMD: the chosen entry, or what the profile and the framing call for.
    [[nodiscard]] std::string GetDialCommand() const;
    // SWTCNN: "*ANS", "*DIAL", or "*BOTH" when nothing is chosen.
    [[nodiscard]] std::string GetSwitchedConnection() const;

  protected:
    void Load() override;

  private:
    void OnDialCommandChanged();
    void UpdateControls();
    [[nodiscard]] bool ModemAsyncAllowed() const;
    [[nodiscard]] std::string ModemAsyncValue() const;
    [[nodiscard]] std::string InactivityValue() const;

    int m_nSwitchedConnection = -1;  // radio index: answer, dial, both; -1 for none
    std::string m_strDialCommand;    // empty: follows the profile
    int m_nModemAsync = 0;
    std::string m_strModemAsyncCommand;
    int m_nFlowControl = 1;
    std::string m_strClearToSendTimer = "25";
    int m_nInactivity = 0;
    std::string m_strInactivityTimer = "15";
    std::string m_strRemoteAnswerTimer = "60";
};

}  // namespace ptp::lines
