#include "lines/virtual_line_general_page.h"

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/virtual_line_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {
namespace {

constexpr std::size_t kMaxNameLength = 10;

}  // namespace

CVirtualLineGeneralPage::CVirtualLineGeneralPage(CVirtualLineSheetBase* pSheet)
    : CVirtualLinePage(IDD_VLINE_GENERAL, pSheet) {}

void CVirtualLineGeneralPage::Load() {
    if (m_pSheet->IsNewMode()) {
        m_strName = config::ToUpper(m_pSheet->GetProposedLineName());
        return;
    }
    m_strName = m_pSheet->GetField(VirtualLineField::Name);
    m_strDescription = m_pSheet->GetField(VirtualLineField::Description);
}

ui::BOOL CVirtualLineGeneralPage::OnInitDialog() {
    CVirtualLinePage::OnInitDialog();
    const bool fixed = !m_pSheet->IsNewMode() || !m_pSheet->GetProposedLineName().empty();
    GetDlgItem(IDC_VLINE_NAME)->EnableWindow(fixed ? ui::FALSE : ui::TRUE);
    GetDlgItem(IDC_VLINE_DESCRIPTION)
        ->EnableWindow(m_pSheet->ChangesAllowed() ? ui::TRUE : ui::FALSE);
    SetDlgItemText(IDC_VLINE_KIND_TEXT, ui::LoadText(m_pSheet->KindText()));
    return ui::TRUE;
}

void CVirtualLineGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_VLINE_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_VLINE_DESCRIPTION, m_strDescription);
}

bool CVirtualLineGeneralPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strName = config::ToUpper(config::Trim(m_strName));
    if (m_strName.empty() || m_strName.size() > kMaxNameLength || HasBlank(m_strName)) {
        ShowProblem(IDS_VLINE_NAME_INVALID, IDC_VLINE_NAME);
        return false;
    }
    if (m_pSheet->IsNewMode() && m_pSheet->LineNameExists(m_strName)) {
        ShowProblem(IDS_VLINE_NAME_EXISTS, IDC_VLINE_NAME, {m_strName});
        return false;
    }
    return true;
}

// The description runs to the end of its record's line, so it keeps its blanks but no line
// break.
void CVirtualLineGeneralPage::Store() {
    std::string description(config::Trim(m_strDescription));
    for (char& c : description) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    m_pSheet->SetField(VirtualLineField::Name, m_strName);
    m_pSheet->SetField(VirtualLineField::Description, description);
}

ui::BOOL CVirtualLineGeneralPage::OnApply() {
    ui::CWaitCursor wait;
    return m_pSheet->Commit() == 0 ? ui::TRUE : ui::FALSE;
}

}  // namespace ptp::lines
