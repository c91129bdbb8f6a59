#pragma once
// The controls of a dialog. The dialog creates one per control of its template, of the class that
// matches the template's kind; code reaches them by id through the dialog. Changes the code makes
// never raise notifications; only what the user does (through the driver) does, so a page can
// fill its controls in OnInitDialog without its own handlers running.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/res/resource_module.h"
#include "platform/ui/action.h"
#include "platform/ui/snapshot.h"
#include "platform/ui/wnd.h"

namespace ptp::ui {

class CDialog;

// What a user action on a control tells the dialog's handlers.
enum class ControlEvent {
    Clicked,        // push button, check box, radio button
    Changed,        // edit text, combo or list selection, list view selection, spin position
    DoubleClicked,  // list box or list view row
};

struct RaisedEvent {
    int id = 0;
    ControlEvent event = ControlEvent::Changed;
};

class CControl : public CWnd {
  public:
    CControl(CDialog* owner, res::ControlKind kind, int id, std::string label);
    [[nodiscard]] res::ControlKind Kind() const { return m_kind; }
    [[nodiscard]] const std::string& Label() const { return m_strLabel; }
    [[nodiscard]] CDialog* Owner() const { return m_pOwner; }
    [[nodiscard]] bool HasStyle(std::string_view style) const;
    CWnd* SetFocus() override;

    // Takes the template's layout, limits and styles.
    virtual void ApplyTemplate(const res::ControlTemplate& control);
    // Applies a user action to this control; fills `events` with what the handlers must hear.
    // False with `why` when this control cannot take the action.
    virtual bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why);
    virtual void Describe(ControlState& state) const;

  protected:
    CDialog* m_pOwner;
    res::ControlKind m_kind;
    std::string m_strLabel;
    std::vector<std::string> m_styles;
    int m_x = 0, m_y = 0, m_width = 0, m_height = 0;
    bool m_bGroup = false;
};

// Static text, group boxes and pictures.
class CStatic : public CControl {
  public:
    using CControl::CControl;
};

class CEdit : public CControl {
  public:
    CEdit(CDialog* owner, int id, std::string label);
    void SetLimitText(int limit) { m_nLimit = limit; }
    void LimitText(int limit) { m_nLimit = limit; }
    [[nodiscard]] int GetLimitText() const { return m_nLimit; }
    void SetReadOnly(BOOL readOnly = TRUE) { m_bReadOnly = readOnly != FALSE; }
    [[nodiscard]] bool IsReadOnly() const { return m_bReadOnly; }
    // Only digits can be typed (the template's "number" style).
    void SetDigitsOnly(bool digitsOnly) { m_bDigitsOnly = digitsOnly; }
    void SetSel(int, int) {}
    void ApplyTemplate(const res::ControlTemplate& control) override;
    bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) override;
    void Describe(ControlState& state) const override;

  private:
    int m_nLimit = 0;
    bool m_bReadOnly = false;
    bool m_bDigitsOnly = false;
    bool m_bPassword = false;
};

// Push button, check box or radio button, by the template's kind.
class CButton : public CControl {
  public:
    using CControl::CControl;
    void SetCheck(int check) { m_nCheck = check; }
    [[nodiscard]] int GetCheck() const { return m_nCheck; }
    [[nodiscard]] bool IsDefault() const { return HasStyle("default"); }
    bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) override;
    void Describe(ControlState& state) const override;

  private:
    int m_nCheck = BST_UNCHECKED;
};

inline constexpr int CB_ERR = -1;
inline constexpr int LB_ERR = -1;

// A control that holds a list of entries with item data and one selected entry: the common part
// of combo boxes and list boxes.
class CEntryControl : public CControl {
  public:
    using CControl::CControl;
    int AddString(std::string_view text);
    int InsertString(int index, std::string_view text);
    // Returns the entries left, or -1 for an index out of range.
    int DeleteString(int index);
    void ResetContent();
    [[nodiscard]] int GetCount() const { return static_cast<int>(m_entries.size()); }
    [[nodiscard]] int GetCurSel() const { return m_nSel; }
    // Selects an entry (-1 clears the selection); returns -1 for an index out of range.
    int SetCurSel(int index);
    int SetItemData(int index, DWORD_PTR data);
    [[nodiscard]] DWORD_PTR GetItemData(int index) const;
    // Searches start after `start` and wrap; letters compare without regard to case.
    [[nodiscard]] int FindStringExact(int start, std::string_view text) const;
    [[nodiscard]] int FindString(int start, std::string_view text) const;
    void Describe(ControlState& state) const override;

  protected:
    [[nodiscard]] bool Valid(int index) const { return index >= 0 && index < GetCount(); }
    [[nodiscard]] std::string EntryText(int index) const;
    // The entry a Choose action names, by index or by text; -1 when there is none.
    [[nodiscard]] int ChosenEntry(const Action& action) const;
    // Lets a combo box show the selected entry as its text.
    virtual void SelectionChanged() {}

  private:
    std::vector<std::pair<std::string, DWORD_PTR>> m_entries;
    int m_nSel = -1;
};

class CComboBox : public CEntryControl {
  public:
    CComboBox(CDialog* owner, int id, std::string label);
    [[nodiscard]] std::string GetLBText(int index) const { return EntryText(index); }
    int SelectString(int start, std::string_view text);
    void LimitText(int limit) { m_nLimit = limit; }
    // A drop-down list shows the selected entry; an editable combo box shows what was typed.
    [[nodiscard]] bool IsDropDownList() const { return m_bDropDownList; }
    void SetWindowText(std::string_view text) override;
    [[nodiscard]] std::string GetWindowText() const override;
    void ApplyTemplate(const res::ControlTemplate& control) override;
    bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) override;
    void Describe(ControlState& state) const override;

  protected:
    void SelectionChanged() override;

  private:
    int m_nLimit = 0;
    bool m_bDropDownList = false;
};

class CListBox : public CEntryControl {
  public:
    using CEntryControl::CEntryControl;
    [[nodiscard]] std::string GetText(int index) const { return EntryText(index); }
    bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) override;
    void Describe(ControlState& state) const override;
};

// Spin button with a range, a step and an optional buddy edit that shows the position.
class CSpinButtonCtrl : public CControl {
  public:
    using CControl::CControl;
    void SetRange(int lower, int upper);
    void SetRange32(int lower, int upper) { SetRange(lower, upper); }
    void GetRange(int& lower, int& upper) const;
    // Sets the position (clamped to the range) and the buddy's text; returns the old position.
    int SetPos(int pos);
    // The buddy's number when it holds one, else the last position.
    [[nodiscard]] int GetPos() const;
    // How far one click moves.
    void SetAccel(int increment) { m_nStep = increment > 0 ? increment : 1; }
    [[nodiscard]] int GetAccel() const { return m_nStep; }
    void SetBuddy(CWnd* buddy);
    [[nodiscard]] CWnd* GetBuddy() const;
    void ApplyTemplate(const res::ControlTemplate& control) override;
    bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) override;
    void Describe(ControlState& state) const override;

  private:
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    int m_nStep = 1;
    int m_nBuddy = 0;
};

}  // namespace ptp::ui
