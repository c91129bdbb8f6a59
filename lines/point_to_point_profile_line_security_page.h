#pragma once
// The authority others have to a new line description: one of the special authorities or an
// authorization list of the system. Only a new line has this page; authority is given once.
#include "lines/line_authority_choice.h"
#include "lines/point_to_point_profile_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineSecurityPage : public CPointToPointProfileLinePage {
  public:
    explicit CPointToPointProfileLineSecurityPage(CPointToPointProfileLinePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CLineCommandValues& values) override;
    void Store() override {}

  protected:
    void Load() override {}

  private:
    CLineAuthorityChoice m_authority;
};

}  // namespace ptp::lines
