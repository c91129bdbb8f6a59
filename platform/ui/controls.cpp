#include "platform/ui/controls.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/ui/dialog.h"

namespace ptp::ui {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::string Truncated(std::string_view text, int limit) {
    if (limit <= 0 || static_cast<int>(text.size()) <= limit) return std::string(text);
    return std::string(text.substr(0, static_cast<std::size_t>(limit)));
}

bool Refuse(std::string& why, std::string text) {
    why = std::move(text);
    return false;
}

std::string KindText(res::ControlKind kind) {
    return std::string(res::ControlKindName(kind));
}

}  // namespace

// ---------------------------------------------------------------------------------------------

CControl::CControl(CDialog* owner, res::ControlKind kind, int id, std::string label)
    : m_pOwner(owner), m_kind(kind), m_strLabel(std::move(label)) {
    m_nID = id;
    m_pParent = owner;
    m_strText = m_strLabel;
}

bool CControl::HasStyle(std::string_view style) const {
    return std::find(m_styles.begin(), m_styles.end(), style) != m_styles.end();
}

CWnd* CControl::SetFocus() {
    CWnd* previous = m_pOwner ? m_pOwner->GetFocus() : nullptr;
    if (m_pOwner) m_pOwner->SetFocusControl(this);
    return previous;
}

void CControl::ApplyTemplate(const res::ControlTemplate& control) {
    m_styles = control.styles;
    m_x = control.x;
    m_y = control.y;
    m_width = control.width;
    m_height = control.height;
    m_bGroup = control.group;
    if (HasStyle("disabled")) m_bEnabled = false;
    if (HasStyle("hidden")) m_bVisible = false;
}

bool CControl::Perform(const Action& action, std::vector<RaisedEvent>&, std::string& why) {
    return Refuse(why, "a " + KindText(m_kind) + " cannot take '" +
                           std::string(ActionKindName(action.kind)) + "'");
}

void CControl::Describe(ControlState& state) const {
    state.id = m_nID;
    state.kind = KindText(m_kind);
    state.label = m_strLabel;
    state.text = GetWindowText();
    state.enabled = m_bEnabled;
    state.visible = m_bVisible;
    state.x = m_x;
    state.y = m_y;
    state.width = m_width;
    state.height = m_height;
    state.group = m_bGroup;
}

// ---------------------------------------------------------------------------------------------

CEdit::CEdit(CDialog* owner, int id, std::string label)
    : CControl(owner, res::ControlKind::Edit, id, std::move(label)) {
    m_strText.clear();
}

void CEdit::ApplyTemplate(const res::ControlTemplate& control) {
    CControl::ApplyTemplate(control);
    m_nLimit = control.limit;
    m_bReadOnly = HasStyle("readonly");
    m_bDigitsOnly = HasStyle("number");
    m_bPassword = HasStyle("password");
}

bool CEdit::Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) {
    if (action.kind != ActionKind::SetText) return CControl::Perform(action, events, why);
    if (m_bReadOnly) return Refuse(why, "edit " + std::to_string(m_nID) + " is read-only");
    std::string text = action.text;
    // Typing into a digits-only edit drops what is not a digit, as the keyboard would.
    if (m_bDigitsOnly) {
        std::erase_if(text, [](char c) { return !std::isdigit(static_cast<unsigned char>(c)); });
    }
    m_strText = Truncated(text, m_nLimit);
    events.push_back({m_nID, ControlEvent::Changed});
    return true;
}

void CEdit::Describe(ControlState& state) const {
    CControl::Describe(state);
    state.limit = m_nLimit;
    state.readOnly = m_bReadOnly;
    state.digitsOnly = m_bDigitsOnly;
    state.password = m_bPassword;
}

// ---------------------------------------------------------------------------------------------

bool CButton::Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) {
    const bool isCheck = m_kind == res::ControlKind::CheckBox;
    const bool isRadio = m_kind == res::ControlKind::RadioButton;
    if (action.kind == ActionKind::Check) {
        if (!isCheck && !isRadio) return Refuse(why, "a push button has no check state");
        if (isRadio && action.value != BST_CHECKED) {
            return Refuse(why, "a radio button is cleared by choosing another one");
        }
        if (isCheck && m_nCheck == action.value) return true;
        if (isCheck) {
            m_nCheck = action.value;
            events.push_back({m_nID, ControlEvent::Clicked});
            return true;
        }
    } else if (action.kind != ActionKind::Click) {
        return CControl::Perform(action, events, why);
    }
    if (isCheck) {
        m_nCheck = m_nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    } else if (isRadio && m_pOwner) {
        for (CButton* other : m_pOwner->RadioGroupOf(m_nID))
            other->m_nCheck = BST_UNCHECKED;
        m_nCheck = BST_CHECKED;
    } else if (isRadio) {
        m_nCheck = BST_CHECKED;
    }
    events.push_back({m_nID, ControlEvent::Clicked});
    return true;
}

void CButton::Describe(ControlState& state) const {
    CControl::Describe(state);
    state.check = m_nCheck;
    state.isDefault = IsDefault();
}

// ---------------------------------------------------------------------------------------------

int CEntryControl::AddString(std::string_view text) {
    int index = GetCount();
    if (HasStyle("sort")) {
        const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                     [&](const auto& e) { return e.first > text; });
        index = static_cast<int>(it - m_entries.begin());
    }
    return InsertString(index, text);
}

int CEntryControl::InsertString(int index, std::string_view text) {
    if (index < 0 || index > GetCount()) index = GetCount();
    m_entries.emplace(m_entries.begin() + index, std::string(text), 0);
    if (m_nSel >= index) ++m_nSel;
    return index;
}

int CEntryControl::DeleteString(int index) {
    if (!Valid(index)) return -1;
    m_entries.erase(m_entries.begin() + index);
    if (m_nSel > index) --m_nSel;
    if (m_nSel == index) {
        m_nSel = -1;
        SelectionChanged();
    }
    return GetCount();
}

void CEntryControl::ResetContent() {
    m_entries.clear();
    m_nSel = -1;
    SelectionChanged();
}

int CEntryControl::SetCurSel(int index) {
    m_nSel = Valid(index) ? index : -1;
    SelectionChanged();
    return m_nSel;
}

int CEntryControl::SetItemData(int index, DWORD_PTR data) {
    if (!Valid(index)) return -1;
    m_entries[index].second = data;
    return 0;
}

DWORD_PTR CEntryControl::GetItemData(int index) const {
    return Valid(index) ? m_entries[index].second : static_cast<DWORD_PTR>(-1);
}

int CEntryControl::FindStringExact(int start, std::string_view text) const {
    const int count = GetCount();
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + step) % count + count) % count;
        if (EqualNoCase(m_entries[index].first, text)) return index;
    }
    return -1;
}

int CEntryControl::FindString(int start, std::string_view text) const {
    const int count = GetCount();
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + step) % count + count) % count;
        if (StartsWithNoCase(m_entries[index].first, text)) return index;
    }
    return -1;
}

std::string CEntryControl::EntryText(int index) const {
    return Valid(index) ? m_entries[index].first : std::string();
}

int CEntryControl::ChosenEntry(const Action& action) const {
    const int index = action.index >= 0 ? action.index : FindStringExact(-1, action.text);
    return Valid(index) ? index : -1;
}

void CEntryControl::Describe(ControlState& state) const {
    CControl::Describe(state);
    for (const auto& entry : m_entries)
        state.items.push_back(entry.first);
    state.selected = m_nSel;
}

// ---------------------------------------------------------------------------------------------

CComboBox::CComboBox(CDialog* owner, int id, std::string label)
    : CEntryControl(owner, res::ControlKind::ComboBox, id, std::move(label)) {
    m_strText.clear();
}

void CComboBox::ApplyTemplate(const res::ControlTemplate& control) {
    CControl::ApplyTemplate(control);
    m_bDropDownList = HasStyle("dropdownlist");
    m_nLimit = control.limit;
}

void CComboBox::SelectionChanged() {
    m_strText = EntryText(GetCurSel());
}

int CComboBox::SelectString(int start, std::string_view text) {
    const int index = FindString(start, text);
    if (index < 0) return CB_ERR;
    return SetCurSel(index);
}

void CComboBox::SetWindowText(std::string_view text) {
    if (m_bDropDownList) {
        SetCurSel(FindStringExact(-1, text));
        return;
    }
    const std::string typed = Truncated(text, m_nLimit);
    SetCurSel(FindStringExact(-1, typed));
    m_strText = typed;
}

std::string CComboBox::GetWindowText() const {
    if (m_bDropDownList) return GetLBText(GetCurSel());
    return m_strText;
}

bool CComboBox::Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) {
    if (action.kind == ActionKind::SetText) {
        if (m_bDropDownList) {
            return Refuse(why, "combo box " + std::to_string(m_nID) + " is a drop-down list");
        }
        SetCurSel(-1);
        m_strText = Truncated(action.text, m_nLimit);
        events.push_back({m_nID, ControlEvent::Changed});
        return true;
    }
    if (action.kind != ActionKind::Choose) return CControl::Perform(action, events, why);
    const int index = ChosenEntry(action);
    if (index < 0) {
        return Refuse(why, "combo box " + std::to_string(m_nID) + " has no entry " +
                               (action.index >= 0 ? std::to_string(action.index)
                                                  : "\"" + action.text + "\""));
    }
    SetCurSel(index);
    events.push_back({m_nID, ControlEvent::Changed});
    return true;
}

void CComboBox::Describe(ControlState& state) const {
    CEntryControl::Describe(state);
    state.limit = m_nLimit;
    state.dropDownList = m_bDropDownList;
}

// ---------------------------------------------------------------------------------------------

bool CListBox::Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) {
    if (action.kind != ActionKind::Choose && action.kind != ActionKind::DoubleClick) {
        return CControl::Perform(action, events, why);
    }
    const int index = ChosenEntry(action);
    if (index < 0) {
        return Refuse(why, "list box " + std::to_string(m_nID) + " has no entry " +
                               std::to_string(action.index));
    }
    const bool changed = GetCurSel() != index;
    SetCurSel(index);
    if (changed) events.push_back({m_nID, ControlEvent::Changed});
    if (action.kind == ActionKind::DoubleClick) {
        events.push_back({m_nID, ControlEvent::DoubleClicked});
    }
    return true;
}

void CListBox::Describe(ControlState& state) const {
    CEntryControl::Describe(state);
    state.text.clear();
}

// ---------------------------------------------------------------------------------------------

void CSpinButtonCtrl::ApplyTemplate(const res::ControlTemplate& control) {
    CControl::ApplyTemplate(control);
    m_nBuddy = control.buddy;
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    m_nLower = lower;
    m_nUpper = upper;
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    lower = m_nLower;
    upper = m_nUpper;
}

int CSpinButtonCtrl::SetPos(int pos) {
    const int old = m_nPos;
    const int low = std::min(m_nLower, m_nUpper);
    const int high = std::max(m_nLower, m_nUpper);
    m_nPos = std::clamp(pos, low, high);
    if (CWnd* buddy = GetBuddy()) buddy->SetWindowText(std::to_string(m_nPos));
    return old;
}

int CSpinButtonCtrl::GetPos() const {
    const CWnd* buddy = GetBuddy();
    if (!buddy) return m_nPos;
    const std::string text = buddy->GetWindowText();
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return m_nPos;
    return value;
}

void CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
    m_nBuddy = buddy ? buddy->GetDlgCtrlID() : 0;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    if (m_nBuddy == 0 || !m_pOwner) return nullptr;
    return m_pOwner->GetDlgItem(m_nBuddy);
}

bool CSpinButtonCtrl::Perform(const Action& action, std::vector<RaisedEvent>& events,
                              std::string& why) {
    if (action.kind != ActionKind::Spin) return CControl::Perform(action, events, why);
    // The arrow that points up raises the position even when the range runs downwards.
    const int current = GetPos();
    int proposed = current + action.value * m_nStep;
    if (m_pOwner) proposed = m_pOwner->FilterSpinDelta(m_nID, current, proposed);
    SetPos(proposed);
    events.push_back({m_nID, ControlEvent::Changed});
    if (m_nBuddy != 0) events.push_back({m_nBuddy, ControlEvent::Changed});
    return true;
}

void CSpinButtonCtrl::Describe(ControlState& state) const {
    CControl::Describe(state);
    state.text.clear();
    state.rangeLow = m_nLower;
    state.rangeHigh = m_nUpper;
    state.pos = GetPos();
    state.buddy = m_nBuddy;
}

}  // namespace ptp::ui
