#pragma once
// The link control protocol's settings of a virtual line: periodic re-authentication of the
// remote peer and its attempts, the configure-retry timer and counts, and the error-recovery
// limits, all kept in the line's record.
#include <string>

#include "lines/virtual_line_page.h"

namespace ptp::lines {

class CVirtualLineLCPPage : public CVirtualLinePage {
  public:
    explicit CVirtualLineLCPPage(CVirtualLineSheetBase* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Store() override;

  protected:
    void Load() override;

  private:
    void UpdateControls();

    int m_nReauthenticate = 0;
    std::string m_strInterval = "1";
    std::string m_strAttempts = "5";
    std::string m_strRetryTimer = "3.0";
    std::string m_strMaxFailures = "5";
    std::string m_strMaxRequests = "10";
    std::string m_strMaxTerminates = "2";
    std::string m_strRecoveryCount = "6";
    std::string m_strRecoveryTime = "32";
};

}  // namespace ptp::lines
