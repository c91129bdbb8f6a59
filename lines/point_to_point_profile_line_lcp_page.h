#pragma once
// The link control protocol's settings: periodic re-authentication of the remote peer and the
// attempts it gets, the configure-retry timer and counts, and the error-recovery limits.
#include <string>

#include "lines/point_to_point_profile_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineLCPPage : public CPointToPointProfileLinePage {
  public:
    explicit CPointToPointProfileLineLCPPage(CPointToPointProfileLinePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CLineCommandValues& values) override;
    void Store() override;

  protected:
    void Load() override;

  private:
    void UpdateControls();
    [[nodiscard]] bool UsesSystemValue() const;
    [[nodiscard]] std::string RetryTimerValue() const;

    int m_nReauthenticate = 0;
    std::string m_strReauthenticateInterval = "1";
    std::string m_strAttempts = "5";
    std::string m_strRetryTimer = "3.0";
    std::string m_strMaxFailures = "5";
    std::string m_strMaxRequests = "10";
    std::string m_strMaxTerminates = "2";
    int m_nRecoverySystemValue = 0;
    std::string m_strRecoveryCount = "2";
    std::string m_strRecoveryInterval = "5";
};

}  // namespace ptp::lines
