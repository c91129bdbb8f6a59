#pragma once
// The link control protocol's settings of a PPP line: periodic re-authentication of the remote
// peer and the attempts it gets, the configure-retry timer and counts, and the error-recovery
// limits.
#include "lines/line_lcp_settings.h"
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
    // The system value of the recovery limits is a choice only servers with CapabilityA offer.
    [[nodiscard]] bool OffersSystemValue() const;

    CLineLCPSettings m_settings;
};

}  // namespace ptp::lines
