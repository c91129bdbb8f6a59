#pragma once
// IP forwarding, header compression and the packet filter of the policy. The filter list offers
// the identifiers the PPP filters file defines; one that is not there yet can be typed.
#include <string>

#include "platform/ui/property_page.h"

namespace ptp::policies {

class CPointToPointProfileGroupPolicyPropertySheet;

class CPointToPointProfileGroupPolicyTCPIPSettingsPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointProfileGroupPolicyTCPIPSettingsPage(
        CPointToPointProfileGroupPolicyPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Checks that a used filter is named and stores the four values into the record: 0, or 2
    // after a message was shown with the focus on the filter list.
    int Store();

  private:
    void Load();
    void FillFilterList();
    void EnableFilter();
    void StartRulesEditor();

    CPointToPointProfileGroupPolicyPropertySheet* m_pSheet;
    bool m_bLoaded = false;
    int m_nForwarding = 0;
    int m_nHeaderCompression = 0;
    int m_nUseFilter = 0;
    std::string m_strFilterName;
};

}  // namespace ptp::policies
