#include "platform/ui/dialog.h"

#include <cxxabi.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <typeinfo>

#include "platform/ui/app.h"
#include "platform/ui/ddx.h"
#include "platform/ui/driver.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/toolkit_state.h"

namespace ptp::ui {
namespace {

std::unique_ptr<CControl> MakeControl(CDialog* owner, const res::ControlTemplate& t,
                                      std::string label) {
    using K = res::ControlKind;
    switch (t.kind) {
        case K::Edit:
            return std::make_unique<CEdit>(owner, t.id, std::move(label));
        case K::CheckBox:
        case K::RadioButton:
        case K::Button:
            return std::make_unique<CButton>(owner, t.kind, t.id, std::move(label));
        case K::ComboBox:
            return std::make_unique<CComboBox>(owner, t.id, std::move(label));
        case K::ListBox:
            return std::make_unique<CListBox>(owner, t.kind, t.id, std::move(label));
        case K::ListView:
            return std::make_unique<CListCtrl>(owner, t.kind, t.id, std::move(label));
        case K::Spin:
            return std::make_unique<CSpinButtonCtrl>(owner, t.kind, t.id, std::move(label));
        default:
            return std::make_unique<CStatic>(owner, t.kind, t.id, std::move(label));
    }
}

bool CanHaveFocus(const CControl& control) {
    using K = res::ControlKind;
    switch (control.Kind()) {
        case K::Static:
        case K::GroupBox:
        case K::Picture:
        case K::Spin:
            return false;
        default:
            return control.IsWindowEnabled() && control.IsWindowVisible();
    }
}

std::string Demangled(const char* name) {
    int status = 0;
    char* text = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string full = status == 0 && text ? text : name;
    std::free(text);
    const auto colon = full.rfind("::");
    return colon == std::string::npos ? full : full.substr(colon + 2);
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate) {
    m_pParent = pParentWnd;
}

CDialog::~CDialog() {
    if (m_bOpen) {
        KillTimersOf(this);
        std::erase(State().dialogs, this);
    }
}

INT_PTR CDialog::DoModal() {
    if (m_bEndedBeforeOpen) {
        m_bEndedBeforeOpen = false;
        return m_nModalResult;
    }
    if (m_bOpen) {
        ReportFault(GetClassName() + " is already open");
        return -1;
    }
    m_bEnded = false;
    m_nModalResult = IDCANCEL;
    CreateDialogWindow();
    m_bOpen = true;
    m_nHandleId = State().nextDialogHandle++;
    State().dialogs.push_back(this);
    const BOOL focusDefault = OnInitDialog();
    if (focusDefault && !m_pFocus) SetInitialFocus();
    Driver& driver = GetDriver();
    driver.DialogOpened(*this);
    RunModalLoop();
    OnDestroy();
    KillTimersOf(this);
    std::erase(State().dialogs, this);
    m_bOpen = false;
    driver.DialogClosed(*this, m_nModalResult);
    DestroyDialogWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    while (!m_bEnded) {
        DispatchPostedMessages();
        FireDueTimers();
        if (m_bEnded) break;
        const Action action = GetDriver().NextAction(*this, NextTimerDue());
        if (m_bEnded) break;
        if (action.kind == ActionKind::Idle) continue;
        if (action.kind == ActionKind::Wait) {
            AdvanceClock(action.value);
            continue;
        }
        std::string why;
        if (!PerformAction(action, why)) GetDriver().ActionRefused(*this, action, why);
    }
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_bOpen) {
        m_bEnded = true;
        return;
    }
    m_bEndedBeforeOpen = true;
}

void CDialog::CreateDialogWindow() {
    m_controls.clear();
    m_pFocus = nullptr;
    const auto module = GetResourceModule();
    m_pTemplate = module ? module->FindDialog(m_nIDTemplate) : nullptr;
    AttachHandle();
    if (!m_pTemplate) {
        ReportFault("dialog template " + std::to_string(m_nIDTemplate) + " of " + GetClassName() +
                    " is missing");
        return;
    }
    if (m_strText.empty()) {
        m_strText =
            m_pTemplate->captionId ? LoadText(m_pTemplate->captionId) : m_pTemplate->caption;
    }
    for (const auto& t : m_pTemplate->controls) {
        std::string label = t.textId ? LoadText(t.textId) : t.text;
        auto control = MakeControl(this, t, std::move(label));
        control->ApplyTemplate(t);
        m_controls.push_back(std::move(control));
    }
}

void CDialog::DestroyDialogWindow() {
    m_pFocus = nullptr;
    m_controls.clear();
    m_standIns.clear();
    DetachHandle();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

void CDialog::OnTimer(UINT_PTR) {}

void CDialog::OnDestroy() {}

UINT CDialog::GetHelpTopic() const {
    return m_nIDTemplate + res::kHelpTopicOffset;
}

void CDialog::OnHelp(int controlId) {
    CWinApp* app = AfxGetApp();
    const CControl* control = controlId ? FindControl(controlId) : nullptr;
    const res::ControlTemplate* t =
        control && m_pTemplate ? m_pTemplate->FindControl(controlId) : nullptr;
    const bool popup = t && t->helpId != 0;
    const DWORD_PTR topic = popup ? static_cast<DWORD_PTR>(t->helpId) : GetHelpTopic();
    const UINT command = popup ? HELP_CONTEXTPOPUP : HELP_CONTEXT;
    if (app) {
        app->WinHelp(topic, command);
        return;
    }
    WinHelp(kHelpFileName, command, topic);
}

UINT_PTR CDialog::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    if (!m_bOpen) return 0;
    SetTimerEntry(this, nIDEvent, nElapse);
    GetDriver().StateChanged();
    return nIDEvent;
}

BOOL CDialog::KillTimer(UINT_PTR nIDEvent) {
    return KillTimerEntry(this, nIDEvent) ? TRUE : FALSE;
}

CWnd* CDialog::GetDlgItem(int nID) const {
    return FindControl(nID);
}

CControl* CDialog::FindControl(int nID) const {
    for (const auto& control : m_controls) {
        if (control->GetDlgCtrlID() == nID) return control.get();
    }
    return nullptr;
}

template <class T>
T& CDialog::Typed(int nID, res::ControlKind kind) {
    if (auto* control = dynamic_cast<T*>(FindControl(nID))) return *control;
    ReportFault(GetClassName() + " (template " + std::to_string(m_nIDTemplate) + ") has no " +
                std::string(res::ControlKindName(kind)) + " " + std::to_string(nID));
    std::unique_ptr<CControl> standIn;
    if constexpr (std::is_same_v<T, CEdit> || std::is_same_v<T, CComboBox>) {
        standIn = std::make_unique<T>(this, nID, std::string());
    } else {
        standIn = std::make_unique<T>(this, kind, nID, std::string());
    }
    auto* typed = static_cast<T*>(standIn.get());
    m_standIns.push_back(std::move(standIn));
    return *typed;
}

CEdit& CDialog::Edit(int nID) {
    return Typed<CEdit>(nID, res::ControlKind::Edit);
}
CButton& CDialog::Button(int nID) {
    return Typed<CButton>(nID, res::ControlKind::Button);
}
CComboBox& CDialog::ComboBox(int nID) {
    return Typed<CComboBox>(nID, res::ControlKind::ComboBox);
}
CListBox& CDialog::ListBox(int nID) {
    return Typed<CListBox>(nID, res::ControlKind::ListBox);
}
CListCtrl& CDialog::ListCtrl(int nID) {
    return Typed<CListCtrl>(nID, res::ControlKind::ListView);
}
CSpinButtonCtrl& CDialog::Spin(int nID) {
    return Typed<CSpinButtonCtrl>(nID, res::ControlKind::Spin);
}
CStatic& CDialog::Static(int nID) {
    return Typed<CStatic>(nID, res::ControlKind::Static);
}

void CDialog::SetDlgItemText(int nID, std::string_view text) {
    if (CWnd* control = FindControl(nID)) {
        control->SetWindowText(text);
        return;
    }
    ReportFault(GetClassName() + " has no control " + std::to_string(nID));
}

std::string CDialog::GetDlgItemText(int nID) const {
    const CWnd* control = FindControl(nID);
    return control ? control->GetWindowText() : std::string();
}

void CDialog::SetDlgItemInt(int nID, int value) {
    SetDlgItemText(nID, std::to_string(value));
}

int CDialog::GetDlgItemInt(int nID, BOOL* pTranslated) const {
    const std::string text = GetDlgItemText(nID);
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    int value = 0;
    bool ok = first != std::string::npos;
    if (ok) {
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        const auto [stop, ec] = std::from_chars(begin, end, value);
        ok = ec == std::errc() && stop == end;
    }
    if (pTranslated) *pTranslated = ok ? TRUE : FALSE;
    return ok ? value : 0;
}

void CDialog::CheckDlgButton(int nID, int check) {
    Button(nID).SetCheck(check);
}

int CDialog::IsDlgButtonChecked(int nID) const {
    const auto* button = dynamic_cast<const CButton*>(FindControl(nID));
    return button ? button->GetCheck() : BST_UNCHECKED;
}

void CDialog::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) {
    for (const auto& control : m_controls) {
        auto* button = dynamic_cast<CButton*>(control.get());
        const int id = control->GetDlgCtrlID();
        if (!button || id < nIDFirst || id > nIDLast) continue;
        button->SetCheck(id == nIDCheck ? BST_CHECKED : BST_UNCHECKED);
    }
}

int CDialog::GetCheckedRadioButton(int nIDFirst, int nIDLast) const {
    for (const auto& control : m_controls) {
        const auto* button = dynamic_cast<const CButton*>(control.get());
        const int id = control->GetDlgCtrlID();
        if (button && id >= nIDFirst && id <= nIDLast && button->GetCheck() == BST_CHECKED) {
            return id;
        }
    }
    return 0;
}

void CDialog::GotoDlgCtrl(CWnd* pWnd) {
    if (pWnd) pWnd->SetFocus();
}

void CDialog::SetFocusControl(CWnd* pWnd) {
    m_pFocus = pWnd;
}

void CDialog::SetInitialFocus() {
    for (const auto& control : m_controls) {
        if (!CanHaveFocus(*control)) continue;
        // A radio group takes the focus on its checked button.
        if (control->Kind() == res::ControlKind::RadioButton) {
            const auto group = RadioGroupOf(control->GetDlgCtrlID());
            for (CButton* button : group) {
                if (button->GetCheck() == BST_CHECKED && CanHaveFocus(*button)) {
                    m_pFocus = button;
                    return;
                }
            }
        }
        m_pFocus = control.get();
        return;
    }
}

std::vector<CButton*> CDialog::RadioGroupOf(int nID) const {
    // A group is a run of radio buttons in template order; a button marked "group" starts a new
    // run.
    std::vector<CButton*> group;
    bool found = false;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CControl* control = m_controls[i].get();
        const bool radio = control->Kind() == res::ControlKind::RadioButton;
        const bool starts = !radio || (m_pTemplate && i < m_pTemplate->controls.size() &&
                                       m_pTemplate->controls[i].group);
        if (starts) {
            if (found) break;
            group.clear();
        }
        if (!radio) continue;
        group.push_back(static_cast<CButton*>(control));
        if (control->GetDlgCtrlID() == nID) found = true;
    }
    if (!found) group.clear();
    return group;
}

void CDialog::OnClicked(int nID, std::function<void()> handler) {
    m_clickHandlers[nID] = std::move(handler);
}

void CDialog::OnChanged(int nID, std::function<void()> handler) {
    m_changeHandlers[nID] = std::move(handler);
}

void CDialog::OnDoubleClicked(int nID, std::function<void()> handler) {
    m_doubleClickHandlers[nID] = std::move(handler);
}

void CDialog::OnEndLabelEdit(int nID, std::function<bool(int, int, const std::string&)> handler) {
    m_labelEditHandlers[nID] = std::move(handler);
}

void CDialog::OnSpinDelta(int nID, std::function<int(int, int)> handler) {
    m_spinHandlers[nID] = std::move(handler);
}

int CDialog::FilterSpinDelta(int nID, int pos, int proposed) const {
    const auto it = m_spinHandlers.find(nID);
    return it == m_spinHandlers.end() ? proposed : it->second(pos, proposed);
}

bool CDialog::AcceptLabelEdit(int nID, int row, int column, const std::string& text) const {
    const auto it = m_labelEditHandlers.find(nID);
    return it == m_labelEditHandlers.end() || it->second(row, column, text);
}

void CDialog::RaiseEvents(const std::vector<RaisedEvent>& events) {
    for (const auto& raised : events) {
        const auto* handlers = &m_changeHandlers;
        if (raised.event == ControlEvent::Clicked) handlers = &m_clickHandlers;
        if (raised.event == ControlEvent::DoubleClicked) handlers = &m_doubleClickHandlers;
        const auto it = handlers->find(raised.id);
        if (it == handlers->end()) continue;
        // A copy, so a handler may replace handlers while it runs.
        const auto handler = it->second;
        handler();
    }
}

std::string CDialog::GetClassName() const {
    return Demangled(typeid(*this).name());
}

bool CDialog::PressButton(int nID, std::string& why) {
    const CControl* button = FindControl(nID);
    if (button && (!button->IsWindowEnabled() || !button->IsWindowVisible())) {
        why = "button " + std::to_string(nID) + " is disabled or hidden";
        return false;
    }
    if (nID == IDOK) OnOK();
    if (nID == IDCANCEL) OnCancel();
    if (nID == IDHELP) OnHelp(0);
    return true;
}

bool CDialog::PerformControlAction(const Action& action, std::string& why) {
    CControl* control = FindControl(action.control);
    if (!control) {
        why = "there is no control " + std::to_string(action.control);
        return false;
    }
    if (!control->IsWindowEnabled() || !control->IsWindowVisible()) {
        why = "control " + std::to_string(action.control) + " is disabled or hidden";
        return false;
    }
    if (action.kind == ActionKind::Focus) {
        control->SetFocus();
        return true;
    }
    const int id = control->GetDlgCtrlID();
    const bool standard = id == IDOK || id == IDCANCEL || id == IDHELP;
    if (action.kind == ActionKind::Click && standard) {
        control->SetFocus();
        return PressButton(id, why);
    }
    std::vector<RaisedEvent> events;
    if (!control->Perform(action, events, why)) return false;
    if (control->Kind() != res::ControlKind::Spin) control->SetFocus();
    RaiseEvents(events);
    return true;
}

bool CDialog::PerformAction(const Action& action, std::string& why) {
    switch (action.kind) {
        case ActionKind::Ok:
            return PressButton(IDOK, why);
        case ActionKind::Cancel:
            return PressButton(IDCANCEL, why);
        case ActionKind::Help:
            if (action.control != 0 && !FindControl(action.control)) {
                why = "there is no control " + std::to_string(action.control);
                return false;
            }
            OnHelp(action.control);
            return true;
        case ActionKind::SelectPage:
        case ActionKind::Apply:
        case ActionKind::Back:
        case ActionKind::Next:
        case ActionKind::Finish:
            why = GetClassName() + " is not a property sheet or wizard";
            return false;
        default:
            return PerformControlAction(action, why);
    }
}

void CDialog::DescribeControls(std::vector<ControlState>& out) const {
    for (const auto& control : m_controls) {
        ControlState state;
        control->Describe(state);
        state.focused = control.get() == m_pFocus;
        out.push_back(std::move(state));
    }
}

void CDialog::Describe(DialogState& state) const {
    state.handle = m_nHandleId;
    state.className = GetClassName();
    state.templateId = m_nIDTemplate;
    state.caption = GetWindowText();
    if (m_pTemplate) {
        state.width = m_pTemplate->width;
        state.height = m_pTemplate->height;
    }
    state.contextHelp = (m_dwExStyle & WS_EX_CONTEXTHELP) != 0;
    state.focus = m_pFocus ? m_pFocus->GetDlgCtrlID() : 0;
    DescribeControls(state.controls);
}

}  // namespace ptp::ui
