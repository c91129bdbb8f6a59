#pragma once
// The authority others have to a new digital line; only a new line has this page.
#include "lines/digital_line_page.h"
#include "lines/line_authority_choice.h"

namespace ptp::lines {

class CPointToPointProfileLineDigitalSecurityPage : public CDigitalLinePage {
  public:
    explicit CPointToPointProfileLineDigitalSecurityPage(
        CPointToPointProfileLineDigitalPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;

  protected:
    void Load() override {}

  private:
    CLineAuthorityChoice m_authority;
};

}  // namespace ptp::lines
