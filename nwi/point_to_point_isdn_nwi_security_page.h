#pragma once
// The authority others have to a new network interface; only a new interface has this page.
#include "lines/line_authority_choice.h"
#include "nwi/nwi_page.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiSecurityPage : public CNwiPage {
  public:
    explicit CPointToPointIsdnNwiSecurityPage(CPointToPointIsdnNwiPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CNwiCommandValues& values) override;

  protected:
    void Load() override {}

  private:
    lines::CLineAuthorityChoice m_authority;
};

}  // namespace ptp::nwi
