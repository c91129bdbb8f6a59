#pragma once
// The LCP page of the digital line sheet: the same settings as on the PPP line sheet; the
// recovery limits may always come from the system value.
#include "lines/digital_line_page.h"
#include "lines/line_lcp_settings.h"

namespace ptp::lines {

class CPointToPointProfileLineDigitalLCPPage : public CDigitalLinePage {
  public:
    explicit CPointToPointProfileLineDigitalLCPPage(
        CPointToPointProfileLineDigitalPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;
    void Store() override;

  protected:
    void Load() override;

  private:
    void UpdateControls();

    CLineLCPSettings m_settings;
};

}  // namespace ptp::lines
