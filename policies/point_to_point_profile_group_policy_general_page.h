#pragma once
// The policy's name and description.
#include <string>
#include <vector>

#include "platform/ui/property_page.h"

namespace ptp::policies {

class CPointToPointProfileGroupPolicyPropertySheet;

class CPointToPointProfileGroupPolicyGeneralPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointProfileGroupPolicyGeneralPage(
        CPointToPointProfileGroupPolicyPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnApply() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Checks the name of a new policy and stores name and description into the record: 0, or
    // 2 after a message was shown with the focus on the name.
    int Store();
    // Shows `message` with the focus on the name.
    void ShowProblem(UINT message, const std::vector<std::string>& args);

  private:
    void Load();

    CPointToPointProfileGroupPolicyPropertySheet* m_pSheet;
    bool m_bLoaded = false;
    std::string m_strName;
    std::string m_strDescription;
};

}  // namespace ptp::policies
