#pragma once
// Tests a profile the wizard set up: starts it, then once a second reads how far its connection
// has come and lists each new phase (starting, dialling, the LCP and IPCP negotiation, active).
// A profile this dialog started is ended when the dialog goes away.
#include <memory>
#include <string>

#include "host/host_services.h"
#include "platform/ui/dialog.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerTestDialog : public ui::CDialog {
  public:
    static constexpr ui::UINT_PTR kPollTimer = 1;
    static constexpr UINT kPollMilliseconds = 1000;

    CPointToPointProfileWDNDialerTestDialog(std::string strSystemName, std::string strProfileName,
                                            ui::CWnd* pParentWnd = nullptr);

    ui::BOOL OnInitDialog() override;
    void OnTimer(ui::UINT_PTR nIDEvent) override;
    void OnDestroy() override;

  private:
    // Runs a command; the server's reply, empty on success.
    std::string RunCommand(const std::string& command);
    void Poll();
    void AddLine(const std::string& text);

    std::string m_strSystemName;
    std::string m_strProfileName;
    bool m_bStarted = false;
    int m_nLastStatus = 0;
};

}  // namespace ptp::wizard
