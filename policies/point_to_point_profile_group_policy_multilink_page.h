#pragma once
// Whether the policy's connections may bundle links, how many, and with which protocol.
#include "platform/ui/property_page.h"

namespace ptp::policies {

class CPointToPointProfileGroupPolicyPropertySheet;

class CPointToPointProfileGroupPolicyMultilinkPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointProfileGroupPolicyMultilinkPage(
        CPointToPointProfileGroupPolicyPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Stores the three values into the record, loading them first when the page was never shown.
    void Store();

  private:
    void Load();

    CPointToPointProfileGroupPolicyPropertySheet* m_pSheet;
    bool m_bLoaded = false;
    int m_nMultilink = 0;
    int m_nMaxLinks = 1;
    int m_nBACP = 0;
};

}  // namespace ptp::policies
