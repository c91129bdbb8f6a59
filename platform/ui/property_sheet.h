#pragma once
// CPropertySheet: a modal sheet of pages, or a wizard (PSH_WIZARD). The sheet's own buttons are
// controls with the standard ids (IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP, ID_WIZBACK, ID_WIZNEXT,
// ID_WIZFINISH), so GetDlgItem(IDOK)->EnableWindow(FALSE) greys OK. Pages may be added and removed
// while the sheet is open. Apply is enabled while a page says it is modified (SetModified) and
// applies the pages without closing; a sheet closed with Cancel after a successful Apply ends
// with IDOK, because what was applied stays.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/property_page.h"

namespace ptp::ui {

struct PROPSHEETHEADER {
    DWORD dwFlags = 0;
};

class CPropertySheet : public CDialog {
  public:
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(std::string_view caption, CWnd* pParentWnd = nullptr,
                            UINT iSelectPage = 0);

    INT_PTR DoModal() override;
    // Activates the start page. Derived sheets call it first from their own OnInitDialog.
    BOOL OnInitDialog() override;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    [[nodiscard]] int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    [[nodiscard]] CPropertyPage* GetPage(int nPage) const;
    [[nodiscard]] int GetPageIndex(const CPropertyPage* pPage) const;
    [[nodiscard]] CPropertyPage* GetActivePage() const;
    [[nodiscard]] int GetActiveIndex() const { return m_nActive; }
    // Leaves the active page (which may refuse) and shows another. FALSE for a page that is not
    // in the sheet or an index out of range (then a fault is reported) or a refusal.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    void SetTitle(std::string_view title);
    [[nodiscard]] std::string GetTitle() const { return GetWindowText(); }
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    [[nodiscard]] bool IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }
    // Enables Back (1), Next (2) and Finish (4) of a wizard.
    void SetWizardButtons(DWORD dwFlags);
    [[nodiscard]] DWORD GetWizardButtons() const { return m_dwWizardButtons; }
    // Enables Apply (when the sheet has one).
    void SetModified(BOOL bChanged);

    PROPSHEETHEADER m_psh;

    bool PerformAction(const Action& action, std::string& why) override;
    void Describe(DialogState& state) const override;

  protected:
    // PSM_SETWIZBUTTONS (lParam: the button bits) sets the wizard buttons.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateDialogWindow() override;
    void DestroyDialogWindow() override;
    void OnOK() override;
    void OnCancel() override;
    void OnHelp(int controlId) override;
    // OK and Apply: the active page's kill-active, then every shown page's OnApply.
    bool ApplyPages();
    bool ActivateIndex(int nPage, bool askActive);
    void OnWizardMove(bool forward);
    void OnFinish();
    void AddButton(int nID, UINT nTextId, bool isDefault);

    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    bool m_bApplied = false;
    UINT m_nStartPage;
    DWORD m_dwWizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
};

}  // namespace ptp::ui
