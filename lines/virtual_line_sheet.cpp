#include "lines/virtual_line_sheet.h"

#include "lines/virtual_line_page.h"
#include "platform/ui/message_box.h"

namespace ptp::lines {

CVirtualLineSheetBase::CVirtualLineSheetBase(std::string_view caption, ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd) {
    // The line is written once, by OK; there is nothing to apply before that.
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
}

CVirtualLineSheetBase::~CVirtualLineSheetBase() = default;

void CVirtualLineSheetBase::AddLinePage(CVirtualLinePage* page) {
    m_linePages.push_back(page);
    AddPage(page);
}

ui::INT_PTR CVirtualLineSheetBase::DoModal() {
    if (!OpenRecord()) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    SetTitle(Caption());
    return CPropertySheet::DoModal();
}

ui::BOOL CVirtualLineSheetBase::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

// A new line is checked whole; an existing one only on the pages the user opened, the others
// keep what the file holds.
bool CVirtualLineSheetBase::ValidatePages() {
    for (CVirtualLinePage* page : m_linePages) {
        if (!IsNewMode() && !page->IsCreated()) continue;
        page->EnsureLoaded();
        if (!page->Validate()) return false;
    }
    return true;
}

int CVirtualLineSheetBase::Commit() {
    if (!ValidatePages()) return 2;
    for (CVirtualLinePage* page : m_linePages) {
        if (IsNewMode() || page->IsCreated()) page->Store();
    }
    if (!SaveOutsideFile()) return 2;
    if (const UINT message = SaveFile()) {
        ui::AfxMessageBox(message, {GetField(VirtualLineField::Name)}, kLineMessageStyle);
        return 2;
    }
    if (IsNewMode()) m_bCreated = true;
    return 0;
}

}  // namespace ptp::lines
