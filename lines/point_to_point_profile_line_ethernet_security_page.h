#pragma once
// The authority others have to a new Ethernet line; only a new line has this page.
#include "lines/line_authority_choice.h"
#include "lines/line_page_base.h"

namespace ptp::lines {

class CPointToPointProfileLineEthernetPropertySheet;
struct CEthernetLineValues;

class CPointToPointProfileLineEthernetSecurityPage : public CLinePageBase {
  public:
    explicit CPointToPointProfileLineEthernetSecurityPage(
        CPointToPointProfileLineEthernetPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CEthernetLineValues& values) const;

  protected:
    void Load() override {}

  private:
    CPointToPointProfileLineEthernetPropertySheet* m_pSheet;
    CLineAuthorityChoice m_authority;
};

}  // namespace ptp::lines
