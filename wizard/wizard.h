#pragma once
// CWizard: a property sheet in wizard mode whose page order is decided while it runs. A derived
// wizard overrides GetNextPage to choose the page after the one being left from what the user has
// entered; Back returns along the path actually taken, which the history records.
#include <list>
#include <string>
#include <string_view>

#include "platform/ui/property_sheet.h"

namespace ptp::wizard {

class CWizardPage;

class CWizard : public ui::CPropertySheet {
  public:
    CWizard(UINT nIDCaption, std::string strTitle, ui::CWnd* pParentWnd = nullptr,
            UINT iSelectPage = 0);
    CWizard(std::string_view caption, std::string strTitle, ui::CWnd* pParentWnd = nullptr,
            UINT iSelectPage = 0);

    ui::BOOL OnInitDialog() override;
    ui::INT_PTR DoModal() override;
    // The page to show after `pLeaving`. The base records `pLeaving` in the history and answers
    // the next page of the list, or none after the last.
    virtual CWizardPage* GetNextPage(CWizardPage* pLeaving);
    // Whether the wizard may close on Finish.
    virtual ui::BOOL OnFinish();
    // Shows the base title, with every character after the first in lower case, through the
    // resource text `nIDFormat` (its %1) as the sheet title.
    virtual void SetTitle(UINT nIDFormat);
    using ui::CPropertySheet::SetTitle;

    // The first page added shows only Next.
    void AddPage(CWizardPage* pPage);
    // Removes and returns the page most recently left by Next; null when the history is empty.
    CWizardPage* PopHistory();
    // Activates `pPage`; when it stands in the history, the history is cut back to before it.
    void JumpToPage(CWizardPage* pPage);

    [[nodiscard]] const std::list<CWizardPage*>& GetHistory() const { return m_History; }
    [[nodiscard]] const std::string& GetBaseTitle() const { return m_strTitle; }

  private:
    std::string m_strTitle;
    bool m_bFirstPage = true;
    std::list<CWizardPage*> m_History;
};

}  // namespace ptp::wizard
