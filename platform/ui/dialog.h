#pragma once
// CDialog: a modal dialog built from a dialog template of the resource library. Code refers to its
// controls by id; a control the template lacks is a fault (reported to the driver, so a test fails)
// and the code gets a detached stand-in instead of a crash.
//
// A dialog written on the toolkit reads like this:
//
//   CMyDialog::CMyDialog(CWnd* parent) : CDialog(IDD_MY, parent) {
//       OnClicked(IDC_SLIP, [this] { OnSlip(); });
//       OnChanged(IDC_MODE, [this] { OnModeChanged(); });
//   }
//   BOOL CMyDialog::OnInitDialog() {
//       CDialog::OnInitDialog();
//       ComboBox(IDC_MODE).AddString(LoadText(IDS_DIAL));
//       return TRUE;
//   }
//
// Handlers registered with OnClicked / OnChanged / OnDoubleClicked hear only what the user does.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/res/resource_module.h"
#include "platform/ui/action.h"
#include "platform/ui/controls.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/snapshot.h"
#include "platform/ui/wnd.h"

namespace ptp::ui {

class CDataExchange;

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Opens the dialog, runs the modal loop until EndDialog, and returns the result. EndDialog
    // called before DoModal (a constructor that finds it cannot work) makes DoModal return that
    // result without opening.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    [[nodiscard]] bool IsOpen() const { return m_bOpen; }

    // Called once the controls exist; the base transfers members to controls. Return FALSE when
    // the code has set the focus itself.
    virtual BOOL OnInitDialog();
    // OK: the base transfers controls to members and ends with IDOK when that succeeds.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Transfers controls to members (TRUE) or members to controls (FALSE); FALSE when a value was
    // refused (the user has seen why and the focus is on the control).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void OnTimer(UINT_PTR nIDEvent);
    // The window is going away (any result).
    virtual void OnDestroy();
    // Help button (controlId 0) or F1 on a control. The base shows the dialog's help topic
    // (template id + 0x20000), or the control's pop-up topic when its template names one.
    virtual void OnHelp(int controlId);

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Controls by id. GetDlgItem answers null for an unknown id; the typed accessors report a
    // fault and hand out a stand-in.
    [[nodiscard]] CWnd* GetDlgItem(int nID) const;
    [[nodiscard]] CControl* FindControl(int nID) const;
    CEdit& Edit(int nID);
    CButton& Button(int nID);
    CComboBox& ComboBox(int nID);
    CListBox& ListBox(int nID);
    CListCtrl& ListCtrl(int nID);
    CSpinButtonCtrl& Spin(int nID);
    CStatic& Static(int nID);

    void SetDlgItemText(int nID, std::string_view text);
    [[nodiscard]] std::string GetDlgItemText(int nID) const;
    void SetDlgItemInt(int nID, int value);
    [[nodiscard]] int GetDlgItemInt(int nID, BOOL* pTranslated = nullptr) const;
    void CheckDlgButton(int nID, int check);
    [[nodiscard]] int IsDlgButtonChecked(int nID) const;
    // Checks `nIDCheck` and clears the other radio buttons with ids from first to last.
    void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck);
    [[nodiscard]] int GetCheckedRadioButton(int nIDFirst, int nIDLast) const;
    void GotoDlgCtrl(CWnd* pWnd);
    [[nodiscard]] CWnd* GetFocus() const { return m_pFocus; }

    // Handlers of user actions on a control, one per id and kind, like entries of a message map.
    void OnClicked(int nID, std::function<void()> handler);
    void OnChanged(int nID, std::function<void()> handler);
    void OnDoubleClicked(int nID, std::function<void()> handler);
    // In-place edit of a list view cell; the handler accepts (true) or refuses the new text.
    void OnEndLabelEdit(int nID, std::function<bool(int row, int column, const std::string&)> h);
    // A spin click; the handler gets the current position and the proposed one and returns the
    // position to take.
    void OnSpinDelta(int nID, std::function<int(int pos, int proposed)> handler);

    [[nodiscard]] UINT GetTemplateId() const { return m_nIDTemplate; }
    [[nodiscard]] const res::DialogTemplate* GetTemplate() const { return m_pTemplate; }
    // The class name without namespaces ("CPointToPointProfileSetupDialog"); scripts match it.
    [[nodiscard]] std::string GetClassName() const;
    [[nodiscard]] std::uint64_t GetHandleId() const { return m_nHandleId; }
    [[nodiscard]] UINT GetHelpTopic() const;

    // The driver's side: apply one user action, describe the dialog.
    virtual bool PerformAction(const Action& action, std::string& why);
    virtual void Describe(DialogState& state) const;

    // Internal plumbing used by the controls.
    void SetFocusControl(CWnd* pWnd);
    [[nodiscard]] std::vector<CButton*> RadioGroupOf(int nID) const;
    [[nodiscard]] int FilterSpinDelta(int nID, int pos, int proposed) const;
    [[nodiscard]] bool AcceptLabelEdit(int nID, int row, int column, const std::string& text) const;

  protected:
    // Builds the controls from the template and gives the window a handle.
    virtual void CreateDialogWindow();
    virtual void DestroyDialogWindow();
    void RunModalLoop();
    void DescribeControls(std::vector<ControlState>& out) const;
    void RaiseEvents(const std::vector<RaisedEvent>& events);
    bool PerformControlAction(const Action& action, std::string& why);
    bool PressButton(int nID, std::string& why);
    void SetInitialFocus();
    template <class T>
    T& Typed(int nID, res::ControlKind kind);

    UINT m_nIDTemplate;
    const res::DialogTemplate* m_pTemplate = nullptr;
    std::vector<std::unique_ptr<CControl>> m_controls;
    std::vector<std::unique_ptr<CControl>> m_standIns;
    CWnd* m_pFocus = nullptr;
    bool m_bOpen = false;
    bool m_bEnded = false;
    bool m_bEndedBeforeOpen = false;
    int m_nModalResult = IDCANCEL;
    std::uint64_t m_nHandleId = 0;

  private:
    std::map<int, std::function<void()>> m_clickHandlers;
    std::map<int, std::function<void()>> m_changeHandlers;
    std::map<int, std::function<void()>> m_doubleClickHandlers;
    std::map<int, std::function<bool(int, int, const std::string&)>> m_labelEditHandlers;
    std::map<int, std::function<int(int, int)>> m_spinHandlers;
};

}  // namespace ptp::ui
