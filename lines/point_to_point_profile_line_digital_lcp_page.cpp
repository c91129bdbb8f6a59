#include "lines/point_to_point_profile_line_digital_lcp_page.h"

#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineDigitalLCPPage::CPointToPointProfileLineDigitalLCPPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_LINE_LCP, pSheet) {
    for (int id : {IDC_LINE_REAUTHENTICATE, IDC_LINE_RECOVERY_SYSVAL}) {
        OnClicked(id, [this] {
            UpdateData(ui::TRUE);
            UpdateControls();
        });
    }
}

void CPointToPointProfileLineDigitalLCPPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_settings.Read([this](int id, const std::string& fallback) {
        return m_pSheet->GetLineText(id, fallback);
    });
}

ui::BOOL CPointToPointProfileLineDigitalLCPPage::OnInitDialog() {
    CDigitalLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineDigitalLCPPage::DoDataExchange(ui::CDataExchange* pDX) {
    m_settings.Exchange(pDX);
}

void CPointToPointProfileLineDigitalLCPPage::UpdateControls() {
    m_settings.UpdateControls(*this, m_pSheet->ChangesAllowed(), true);
}

bool CPointToPointProfileLineDigitalLCPPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    return m_settings.Validate(true, [this](UINT message, int control, const auto& args) {
        return Problem(message, control, args);
    });
}

void CPointToPointProfileLineDigitalLCPPage::Collect(CDigitalLineValues& values) {
    m_settings.Collect(values, true);
}

void CPointToPointProfileLineDigitalLCPPage::Store() {
    m_settings.Write([this](int id, std::string_view value) { m_pSheet->SetLineText(id, value); },
                     true);
}

}  // namespace ptp::lines
