#include "platform/ui/property_sheet.h"

#include <algorithm>

#include "platform/ui/toolkit.h"
#include "platform/ui/ui_strings.h"

namespace ptp::ui {

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CDialog(0, pParentWnd), m_nStartPage(iSelectPage) {
    if (nIDCaption) m_strText = LoadText(nIDCaption);
}

CPropertySheet::CPropertySheet(std::string_view caption, CWnd* pParentWnd, UINT iSelectPage)
    : CDialog(0, pParentWnd), m_nStartPage(iSelectPage) {
    m_strText = std::string(caption);
}

INT_PTR CPropertySheet::DoModal() {
    return CDialog::DoModal();
}

void CPropertySheet::AddButton(int nID, UINT nTextId, bool isDefault) {
    auto button = std::make_unique<CButton>(this, res::ControlKind::Button, nID, LoadText(nTextId));
    res::ControlTemplate t;
    t.id = nID;
    t.kind = res::ControlKind::Button;
    if (isDefault) t.styles.push_back("default");
    button->ApplyTemplate(t);
    m_controls.push_back(std::move(button));
}

void CPropertySheet::CreateDialogWindow() {
    // A sheet has no template of its own: its window is the page area and its buttons.
    m_controls.clear();
    m_pFocus = nullptr;
    m_pTemplate = nullptr;
    AttachHandle();
    if (IsWizard()) {
        AddButton(ID_WIZBACK, IDS_UI_BACK, false);
        AddButton(ID_WIZNEXT, IDS_UI_NEXT, true);
        AddButton(ID_WIZFINISH, IDS_UI_FINISH, false);
        AddButton(IDCANCEL, IDS_UI_CANCEL, false);
    } else {
        AddButton(IDOK, IDS_UI_OK, true);
        AddButton(IDCANCEL, IDS_UI_CANCEL, false);
        if ((m_psh.dwFlags & PSH_NOAPPLYNOW) == 0) {
            AddButton(ID_APPLY_NOW, IDS_UI_APPLY, false);
            FindControl(ID_APPLY_NOW)->EnableWindow(FALSE);
        }
    }
    if (m_psh.dwFlags & PSH_HASHELP) AddButton(IDHELP, IDS_UI_HELP, false);
    m_nActive = -1;
    m_bApplied = false;
    SetWizardButtons(m_dwWizardButtons);
}

void CPropertySheet::DestroyDialogWindow() {
    for (CPropertyPage* page : m_pages)
        page->DestroyPage();
    m_nActive = -1;
    CDialog::DestroyDialogWindow();
}

BOOL CPropertySheet::OnInitDialog() {
    if (m_pages.empty()) return TRUE;
    const int start = m_nStartPage < m_pages.size() ? static_cast<int>(m_nStartPage) : 0;
    ActivateIndex(start, false);
    return TRUE;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (!pPage || GetPageIndex(pPage) >= 0) return;
    pPage->AttachToSheet(this);
    m_pages.push_back(pPage);
    if (m_bOpen && m_nActive < 0) ActivateIndex(0, false);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount()) {
        ReportFault(GetClassName() + ": RemovePage of page " + std::to_string(nPage) +
                    " outside the sheet");
        return;
    }
    CPropertyPage* page = m_pages[nPage];
    const bool wasActive = nPage == m_nActive;
    page->DestroyPage();
    m_pages.erase(m_pages.begin() + nPage);
    if (!wasActive) {
        if (m_nActive > nPage) --m_nActive;
        return;
    }
    // The page that slides into the removed one's place takes over, as a tab strip does.
    m_nActive = -1;
    if (m_pages.empty() || !m_bOpen) return;
    ActivateIndex(std::min(nPage, GetPageCount() - 1), false);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= GetPageCount()) return nullptr;
    return m_pages[nPage];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const {
    const auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(m_nActive);
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount()) {
        ReportFault(GetClassName() + ": SetActivePage(" + std::to_string(nPage) +
                    ") is outside the sheet's " + std::to_string(GetPageCount()) + " pages");
        return FALSE;
    }
    if (!m_bOpen) {
        m_nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return ActivateIndex(nPage, true) ? TRUE : FALSE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    const int index = GetPageIndex(pPage);
    if (index < 0) {
        ReportFault(GetClassName() + ": SetActivePage of a page that is not in the sheet");
        return FALSE;
    }
    return SetActivePage(index);
}

bool CPropertySheet::ActivateIndex(int nPage, bool askActive) {
    if (nPage == m_nActive) return true;
    CPropertyPage* current = GetActivePage();
    if (current && askActive && !current->OnKillActive()) return false;
    CPropertyPage* next = m_pages[nPage];
    m_nActive = nPage;
    next->CreatePage();
    next->OnSetActive();
    return true;
}

void CPropertySheet::SetTitle(std::string_view title) {
    SetWindowText(title);
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    m_dwWizardButtons = dwFlags;
    if (!IsWizard()) return;
    if (CWnd* back = FindControl(ID_WIZBACK)) back->EnableWindow((dwFlags & PSWIZB_BACK) != 0);
    if (CWnd* next = FindControl(ID_WIZNEXT)) next->EnableWindow((dwFlags & PSWIZB_NEXT) != 0);
    if (CWnd* finish = FindControl(ID_WIZFINISH)) {
        finish->EnableWindow((dwFlags & PSWIZB_FINISH) != 0);
    }
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != PSM_SETWIZBUTTONS) return CDialog::WindowProc(message, wParam, lParam);
    SetWizardButtons(static_cast<DWORD>(lParam));
    return 0;
}

void CPropertySheet::SetModified(BOOL bChanged) {
    CWnd* apply = FindControl(ID_APPLY_NOW);
    if (!apply) return;
    bool any = bChanged != FALSE;
    for (const CPropertyPage* page : m_pages)
        any = any || page->IsModified();
    apply->EnableWindow(any ? TRUE : FALSE);
}

bool CPropertySheet::ApplyPages() {
    CPropertyPage* active = GetActivePage();
    if (active && !active->OnKillActive()) return false;
    // A page may change the page list or the active page while it applies; walk a copy.
    const std::vector<CPropertyPage*> pages = m_pages;
    for (CPropertyPage* page : pages) {
        if (GetPageIndex(page) < 0 || !page->IsCreated()) continue;
        if (!page->OnApply()) return false;
    }
    SetModified(FALSE);
    return true;
}

void CPropertySheet::OnOK() {
    if (ApplyPages()) EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
    CPropertyPage* active = GetActivePage();
    if (active && !active->OnQueryCancel()) return;
    const std::vector<CPropertyPage*> pages = m_pages;
    for (CPropertyPage* page : pages) {
        if (page->IsCreated()) page->OnCancel();
    }
    EndDialog(m_bApplied ? IDOK : IDCANCEL);
}

void CPropertySheet::OnHelp(int controlId) {
    CPropertyPage* active = GetActivePage();
    if (!active) return;
    if (controlId == 0) {
        active->OnNotify(PSN_HELP);
        return;
    }
    active->OnHelp(controlId);
}

void CPropertySheet::OnWizardMove(bool forward) {
    CPropertyPage* page = GetActivePage();
    if (!page) return;
    const LRESULT target = forward ? page->OnWizardNext() : page->OnWizardBack();
    if (target == -1 || m_bEnded) return;
    if (target == 0) {
        const int neighbour = m_nActive + (forward ? 1 : -1);
        if (neighbour >= 0 && neighbour < GetPageCount()) ActivateIndex(neighbour, true);
        return;
    }
    for (int i = 0; i < GetPageCount(); ++i) {
        if (static_cast<LRESULT>(m_pages[i]->GetTemplateId()) == target) {
            ActivateIndex(i, true);
            return;
        }
    }
    ReportFault(GetClassName() + ": no page with template " + std::to_string(target));
}

void CPropertySheet::OnFinish() {
    CPropertyPage* page = GetActivePage();
    if (page && !page->OnWizardFinish()) return;
    EndDialog(ID_WIZFINISH);
}

bool CPropertySheet::PerformAction(const Action& action, std::string& why) {
    auto pressed = [&](int nID) {
        CWnd* button = FindControl(nID);
        if (!button) {
            why = GetClassName() + " has no button " + std::to_string(nID);
            return false;
        }
        if (!button->IsWindowEnabled() || !button->IsWindowVisible()) {
            why = "button " + std::to_string(nID) + " is disabled or hidden";
            return false;
        }
        return true;
    };
    const int controlButton = action.kind == ActionKind::Click ? action.control : 0;
    switch (action.kind) {
        case ActionKind::Ok:
        case ActionKind::Cancel:
        case ActionKind::Help: {
            const int nID = action.kind == ActionKind::Ok       ? IDOK
                            : action.kind == ActionKind::Cancel ? IDCANCEL
                                                                : IDHELP;
            if (action.kind == ActionKind::Help && action.control != 0) {
                CPropertyPage* page = GetActivePage();
                if (!page || !page->FindControl(action.control)) {
                    why = "the active page has no control " + std::to_string(action.control);
                    return false;
                }
                OnHelp(action.control);
                return true;
            }
            if (!pressed(nID)) return false;
            if (nID == IDOK) OnOK();
            if (nID == IDCANCEL) OnCancel();
            if (nID == IDHELP) OnHelp(0);
            return true;
        }
        case ActionKind::Apply:
            if (!pressed(ID_APPLY_NOW)) return false;
            if (ApplyPages()) m_bApplied = true;
            return true;
        case ActionKind::Back:
        case ActionKind::Next:
            if (!pressed(action.kind == ActionKind::Next ? ID_WIZNEXT : ID_WIZBACK)) return false;
            OnWizardMove(action.kind == ActionKind::Next);
            return true;
        case ActionKind::Finish:
            if (!pressed(ID_WIZFINISH)) return false;
            OnFinish();
            return true;
        case ActionKind::SelectPage: {
            if (IsWizard()) {
                why = "a wizard has no page tabs";
                return false;
            }
            int index = action.index;
            if (index < 0) {
                for (int i = 0; i < GetPageCount(); ++i) {
                    if (static_cast<int>(m_pages[i]->GetTemplateId()) == action.value) index = i;
                }
            }
            if (index < 0 || index >= GetPageCount()) {
                why = "the sheet has no such page";
                return false;
            }
            ActivateIndex(index, true);
            return true;
        }
        default:
            break;
    }
    if (controlButton != 0 && FindControl(controlButton)) {
        Action mapped = action;
        switch (controlButton) {
            case IDOK:
                mapped.kind = ActionKind::Ok;
                break;
            case IDCANCEL:
                mapped.kind = ActionKind::Cancel;
                break;
            case IDHELP:
                mapped.kind = ActionKind::Help;
                mapped.control = 0;
                break;
            case ID_APPLY_NOW:
                mapped.kind = ActionKind::Apply;
                break;
            case ID_WIZBACK:
                mapped.kind = ActionKind::Back;
                break;
            case ID_WIZNEXT:
                mapped.kind = ActionKind::Next;
                break;
            case ID_WIZFINISH:
                mapped.kind = ActionKind::Finish;
                break;
            default:
                break;
        }
        return PerformAction(mapped, why);
    }
    CPropertyPage* page = GetActivePage();
    if (!page) {
        why = "the sheet has no page";
        return false;
    }
    return page->PerformAction(action, why);
}

void CPropertySheet::Describe(DialogState& state) const {
    CDialog::Describe(state);
    state.isSheet = true;
    state.isWizard = IsWizard();
    state.activePage = m_nActive;
    for (const CPropertyPage* page : m_pages) {
        state.pages.push_back(PageState{page->GetTemplateId(), page->GetClassName(),
                                        page->GetCaption(), page->IsCreated()});
    }
    const CPropertyPage* active = GetActivePage();
    if (!active) return;
    std::vector<ControlState> controls;
    DialogState pageState;
    active->Describe(pageState);
    state.pageControls = std::move(pageState.controls);
    state.focus = pageState.focus;
    if (const res::DialogTemplate* t = active->GetTemplate()) {
        state.width = t->width;
        state.height = t->height;
    }
}

}  // namespace ptp::ui
