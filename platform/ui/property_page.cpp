#include "platform/ui/property_page.h"

#include "platform/ui/property_sheet.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/toolkit_state.h"

namespace ptp::ui {

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_nIDCaption(nIDCaption) {}

BOOL CPropertyPage::OnSetActive() {
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    SetModified(FALSE);
    return TRUE;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}

LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}

BOOL CPropertyPage::OnNotify(UINT code) {
    if (code != PSN_HELP) return FALSE;
    OnHelp(0);
    return TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged) {
    m_bModified = bChanged != FALSE;
    if (m_pSheet) m_pSheet->SetModified(bChanged);
}

std::string CPropertyPage::GetCaption() const {
    if (m_nIDCaption) return LoadText(m_nIDCaption);
    const auto module = GetResourceModule();
    const res::DialogTemplate* t = module ? module->FindDialog(m_nIDTemplate) : nullptr;
    if (!t) return {};
    return t->captionId ? LoadText(t->captionId) : t->caption;
}

void CPropertyPage::CreatePage() {
    if (m_bCreated) return;
    m_pParent = m_pSheet;
    CreateDialogWindow();
    m_bCreated = true;
    m_bOpen = true;
    m_nHandleId = State().nextDialogHandle++;
    const BOOL focusDefault = OnInitDialog();
    if (focusDefault && !m_pFocus) SetInitialFocus();
}

void CPropertyPage::DestroyPage() {
    if (!m_bCreated) return;
    OnDestroy();
    KillTimersOf(this);
    m_bCreated = false;
    m_bOpen = false;
    m_bModified = false;
    DestroyDialogWindow();
}

}  // namespace ptp::ui
