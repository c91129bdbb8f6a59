#include "lines/line_page_base.h"

#include "lines/line_value_text.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

void CLinePageBase::EnsureLoaded() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    Load();
}

ui::BOOL CLinePageBase::OnInitDialog() {
    EnsureLoaded();
    return CPropertyPage::OnInitDialog();
}

void CLinePageBase::ShowProblem(UINT message, int controlId, const std::vector<std::string>& args) {
    ui::CPropertySheet* sheet = GetSheet();
    if (sheet && sheet->GetActivePage() != this) sheet->SetActivePage(this);
    if (args.empty()) {
        ui::AfxMessageBox(message, kLineMessageStyle);
    } else {
        ui::AfxMessageBox(message, args, kLineMessageStyle);
    }
    if (IsCreated()) GotoDlgCtrl(GetDlgItem(controlId));
}

bool CLinePageBase::CheckRange(const std::string& text, long low, long high, int controlId) {
    if (IsNumberInRange(text, low, high)) return true;
    ShowProblem(IDS_LINE_VALUE_RANGE, controlId, {std::to_string(low), std::to_string(high)});
    return false;
}

}  // namespace ptp::lines
