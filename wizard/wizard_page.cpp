#include "wizard/wizard_page.h"

#include "platform/res/resource_module.h"
#include "platform/ui/app.h"
#include "platform/ui/toolkit.h"
#include "wizard/wizard.h"

namespace ptp::wizard {

CWizardPage::CWizardPage(UINT nIDTemplate) : ui::CPropertyPage(nIDTemplate) {
    m_psp.dwFlags |= ui::PSP_HASHELP | ui::PSP_RTLREADING;
}

CWizard* CWizardPage::GetWizard() const {
    return dynamic_cast<CWizard*>(GetSheet());
}

ui::BOOL CWizardPage::OnInitDialog() {
    ModifyStyleEx(0, ui::GetLanguageExStyle());
    ui::CPropertyPage::OnInitDialog();
    return ui::TRUE;
}

ui::BOOL CWizardPage::OnSetActive() {
    CWizard* wizard = GetWizard();
    if (wizard) {
        wizard->PostMessage(ui::PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(m_dwButtonMode));
        wizard->SetTitle(m_nIDTitleFormat);
    }
    return ui::CPropertyPage::OnSetActive();
}

void CWizardPage::OnCancel() {
    ui::CPropertyPage::OnCancel();
}

LRESULT CWizardPage::OnWizardNext() {
    CWizard* wizard = GetWizard();
    CWizardPage* next = wizard ? wizard->GetNextPage(this) : nullptr;
    if (!next || !wizard->SetActivePage(next)) return -1;
    return static_cast<LRESULT>(next->GetTemplateId());
}

LRESULT CWizardPage::OnWizardBack() {
    CWizard* wizard = GetWizard();
    CWizardPage* previous = wizard ? wizard->PopHistory() : nullptr;
    if (!previous || !wizard->SetActivePage(previous)) return -1;
    return static_cast<LRESULT>(previous->GetTemplateId());
}

ui::BOOL CWizardPage::OnWizardFinish() {
    CWizard* wizard = GetWizard();
    return wizard ? wizard->OnFinish() : ui::TRUE;
}

ui::BOOL CWizardPage::OnNotify(UINT code) {
    if (code != ui::PSN_HELP) return ui::CPropertyPage::OnNotify(code);
    const ui::DWORD_PTR topic = GetTemplateId() + res::kHelpTopicOffset;
    if (ui::CWinApp* app = ui::AfxGetApp()) {
        app->WinHelp(topic, ui::HELP_CONTEXT);
        return ui::TRUE;
    }
    ui::WinHelp(ui::kHelpFileName, ui::HELP_CONTEXT, topic);
    return ui::TRUE;
}

}  // namespace ptp::wizard
