#pragma once
// CPropertyPage: one page of a property sheet or wizard. Its controls are built the first time it
// becomes active and live until the sheet closes or the page is removed; OnInitDialog runs then.
//
// Notifications, in the order the sheet sends them:
//   OnSetActive    the page is about to show (every time);
//   OnKillActive   the page is about to be left (page switch, OK, Apply); FALSE keeps the user
//                  on it. The base transfers and validates the controls;
//   OnApply        OK or Apply, for every page shown so far, in page order; FALSE keeps the sheet
//                  open. The base calls OnOK and answers TRUE;
//   OnCancel       Cancel, for every page shown so far (OnQueryCancel first, on the active page);
//   OnWizardBack / OnWizardNext   0 moves to the neighbour, -1 stays, a template id moves there;
//   OnWizardFinish FALSE keeps the wizard open;
//   OnNotify       raw notifications; the base turns PSN_HELP into OnHelp(0).
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::ui {

class CPropertySheet;

struct PROPSHEETPAGE {
    DWORD dwFlags = 0;
};

class CPropertyPage : public CDialog {
  public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();
    virtual BOOL OnNotify(UINT code);

    void SetModified(BOOL bChanged = TRUE);
    [[nodiscard]] bool IsModified() const { return m_bModified; }
    [[nodiscard]] CPropertySheet* GetSheet() const { return m_pSheet; }
    // True while the page's controls exist (shown at least once since the sheet opened).
    [[nodiscard]] bool IsCreated() const { return m_bCreated; }
    [[nodiscard]] std::string GetCaption() const;

    PROPSHEETPAGE m_psp;

    // Used by the sheet.
    void AttachToSheet(CPropertySheet* pSheet) { m_pSheet = pSheet; }
    void CreatePage();
    void DestroyPage();

  private:
    UINT m_nIDCaption;
    CPropertySheet* m_pSheet = nullptr;
    bool m_bCreated = false;
    bool m_bModified = false;
};

}  // namespace ptp::ui
