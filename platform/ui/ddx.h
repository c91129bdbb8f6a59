#pragma once
// Transfer between controls and members (the load and store steps of dialogs and pages). Inside
// DoDataExchange each DDX_ call moves one value in the direction of m_bSaveAndValidate; DDV_ calls
// check a value just stored. The first refused value shows its message, puts the focus on its
// control, and turns every later call of the same exchange into a no-op; UpdateData then answers
// FALSE.
#include <string>

#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CDialog;

class CDataExchange {
  public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    // Remembers the control the next checks are about.
    void PrepareCtrl(int nIDC) { m_idLastControl = nIDC; }
    // Marks the exchange failed and moves the focus to the last prepared control.
    void Fail();
    [[nodiscard]] bool Failed() const { return m_bFailed; }

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    int m_idLastControl = 0;

  private:
    bool m_bFailed = false;
};

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the checked radio button in the group that starts with nIDC; -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Saving reads the combo box text; loading selects the entry with that text, or types it into an
// editable combo box.
void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);

}  // namespace ptp::ui
