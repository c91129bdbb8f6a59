#pragma once
// CWizardPage: a page of a CWizard. It sets the wizard buttons and the title when it becomes
// active, asks the wizard where Next leads, goes Back along the history, and shows its help topic.
#include "platform/ui/property_page.h"

namespace ptp::wizard {

class CWizard;

class CWizardPage : public ui::CPropertyPage {
  public:
    explicit CWizardPage(UINT nIDTemplate);

    void SetButtonMode(DWORD dwButtonMode) { m_dwButtonMode = dwButtonMode; }
    [[nodiscard]] DWORD GetButtonMode() const { return m_dwButtonMode; }
    void SetTitleFormat(UINT nIDTitleFormat) { m_nIDTitleFormat = nIDTitleFormat; }
    [[nodiscard]] UINT GetTitleFormat() const { return m_nIDTitleFormat; }
    [[nodiscard]] CWizard* GetWizard() const;

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void OnCancel() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    ui::BOOL OnWizardFinish() override;
    ui::BOOL OnNotify(UINT code) override;

  private:
    UINT m_nIDTitleFormat = 0;
    DWORD m_dwButtonMode = ui::PSWIZB_BACK | ui::PSWIZB_NEXT;
};

}  // namespace ptp::wizard
