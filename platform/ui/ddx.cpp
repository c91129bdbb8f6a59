#include "platform/ui/ddx.h"

#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_strings.h"

namespace ptp::ui {
namespace {

bool Skip(CDataExchange* pDX, int nIDC) {
    if (pDX->Failed()) return true;
    pDX->PrepareCtrl(nIDC);
    return false;
}

}  // namespace

void CDataExchange::Fail() {
    m_bFailed = true;
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) control->SetFocus();
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    if (Skip(pDX, nIDC)) return;
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetDlgItemText(nIDC);
        return;
    }
    pDX->m_pDlgWnd->SetDlgItemText(nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    if (Skip(pDX, nIDC)) return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemInt(nIDC, value);
        return;
    }
    BOOL ok = FALSE;
    const int number = pDX->m_pDlgWnd->GetDlgItemInt(nIDC, &ok);
    if (!ok) {
        AfxMessageBox(IDS_UI_INTEGER, MB_ICONEXCLAMATION);
        pDX->Fail();
        return;
    }
    value = number;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    if (Skip(pDX, nIDC)) return;
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->IsDlgButtonChecked(nIDC);
        return;
    }
    pDX->m_pDlgWnd->CheckDlgButton(nIDC, value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (Skip(pDX, nIDC)) return;
    const auto group = pDX->m_pDlgWnd->RadioGroupOf(nIDC);
    if (group.empty()) {
        // Reported through the typed accessor, which names the dialog.
        pDX->m_pDlgWnd->Button(nIDC);
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->GetCheck() == BST_CHECKED) value = static_cast<int>(i);
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        group[i]->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    if (Skip(pDX, nIDC)) return;
    CComboBox& combo = pDX->m_pDlgWnd->ComboBox(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = combo.GetCurSel();
        return;
    }
    combo.SetCurSel(index);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value) {
    if (Skip(pDX, nIDC)) return;
    CComboBox& combo = pDX->m_pDlgWnd->ComboBox(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = combo.GetWindowText();
        return;
    }
    combo.SetWindowText(value);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    if (Skip(pDX, nIDC)) return;
    CListBox& list = pDX->m_pDlgWnd->ListBox(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = list.GetCurSel();
        return;
    }
    list.SetCurSel(index);
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate) return;
    if (static_cast<int>(value.size()) <= nChars) return;
    AfxMessageBox(IDS_UI_MAXCHARS, {std::to_string(nChars)}, MB_ICONEXCLAMATION);
    pDX->Fail();
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate) return;
    if (value >= minVal && value <= maxVal) return;
    AfxMessageBox(IDS_UI_RANGE, {std::to_string(minVal), std::to_string(maxVal)},
                  MB_ICONEXCLAMATION);
    pDX->Fail();
}

}  // namespace ptp::ui
