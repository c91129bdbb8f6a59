#pragma once
// The authority others have to a new line description: one of the special authorities or an
// authorization list of the system. Only a new line has this page; authority is given once.
#include <string>

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
    void FillAuthorizationLists();
    void UpdateControls();
    [[nodiscard]] bool UsesList() const;

    int m_nAuthority = 0;  // radio index: library create, exclude, use, change, all, list
    std::string m_strListName;
};

}  // namespace ptp::lines
