#include "wizard/wizard.h"

#include <algorithm>

#include "platform/ui/display_name.h"
#include "platform/ui/toolkit.h"
#include "wizard/wizard_page.h"

namespace ptp::wizard {

CWizard::CWizard(UINT nIDCaption, std::string strTitle, ui::CWnd* pParentWnd, UINT iSelectPage)
    : ui::CPropertySheet(nIDCaption, pParentWnd, iSelectPage), m_strTitle(std::move(strTitle)) {
    m_psh.dwFlags |= ui::PSH_RTLREADING;
}

CWizard::CWizard(std::string_view caption, std::string strTitle, ui::CWnd* pParentWnd,
                 UINT iSelectPage)
    : ui::CPropertySheet(caption, pParentWnd, iSelectPage), m_strTitle(std::move(strTitle)) {
    m_psh.dwFlags |= ui::PSH_RTLREADING;
}

ui::BOOL CWizard::OnInitDialog() {
    ModifyStyleEx(0, ui::GetLanguageExStyle());
    ui::CPropertySheet::OnInitDialog();
    return ui::TRUE;
}

ui::INT_PTR CWizard::DoModal() {
    m_psh.dwFlags |= ui::PSH_WIZARD | ui::PSH_HASHELP;
    return ui::CPropertySheet::DoModal();
}

void CWizard::AddPage(CWizardPage* pPage) {
    if (m_bFirstPage) {
        m_bFirstPage = false;
        pPage->SetButtonMode(ui::PSWIZB_NEXT);
    }
    ui::CPropertySheet::AddPage(pPage);
}

CWizardPage* CWizard::GetNextPage(CWizardPage* pLeaving) {
    m_History.push_back(pLeaving);
    return static_cast<CWizardPage*>(GetPage(GetActiveIndex() + 1));
}

ui::BOOL CWizard::OnFinish() {
    return ui::TRUE;
}

void CWizard::SetTitle(UINT nIDFormat) {
    ui::CPropertySheet::SetTitle(ui::FormatResource(nIDFormat, {ui::DisplayName(m_strTitle)}));
}

CWizardPage* CWizard::PopHistory() {
    if (m_History.empty()) return nullptr;
    CWizardPage* page = m_History.back();
    m_History.pop_back();
    return page;
}

void CWizard::JumpToPage(CWizardPage* pPage) {
    const auto it = std::find(m_History.begin(), m_History.end(), pPage);
    if (it != m_History.end()) m_History.erase(it, m_History.end());
    SetActivePage(pPage);
}

}  // namespace ptp::wizard
