#include "lines/point_to_point_profile_line_lcp_page.h"

#include "lines/point_to_point_profile_line_property_sheet.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

CPointToPointProfileLineLCPPage::CPointToPointProfileLineLCPPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_LCP, pSheet) {
    for (int id : {IDC_LINE_REAUTHENTICATE, IDC_LINE_RECOVERY_SYSVAL}) {
        OnClicked(id, [this] {
            UpdateData(ui::TRUE);
            UpdateControls();
        });
    }
}

bool CPointToPointProfileLineLCPPage::OffersSystemValue() const {
    return m_pSheet->GetCapabilityA();
}

void CPointToPointProfileLineLCPPage::Load() {
    if (m_pSheet->GetMode() == CPointToPointProfileLinePropertySheet::Mode::New) return;
    // An attribute the line does not carry keeps the initial value.
    m_settings.Read([this](int id, const std::string& fallback) {
        return m_pSheet->GetLineText(id, fallback);
    });
}

ui::BOOL CPointToPointProfileLineLCPPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineLCPPage::DoDataExchange(ui::CDataExchange* pDX) {
    m_settings.Exchange(pDX);
}

void CPointToPointProfileLineLCPPage::UpdateControls() {
    m_settings.UpdateControls(*this, m_pSheet->ChangesAllowed(), OffersSystemValue());
}

bool CPointToPointProfileLineLCPPage::Validate() {
    EnsureLoaded();
    return m_settings.Validate(OffersSystemValue(),
                               [this](UINT message, int control, const auto& args) {
                                   ShowProblem(message, control, args);
                                   return false;
                               });
}

void CPointToPointProfileLineLCPPage::Collect(CLineCommandValues& values) {
    EnsureLoaded();
    m_settings.Collect(values, OffersSystemValue());
}

void CPointToPointProfileLineLCPPage::Store() {
    EnsureLoaded();
    m_settings.Write([this](int id, std::string_view value) { m_pSheet->SetLineText(id, value); },
                     OffersSystemValue());
}

}  // namespace ptp::lines
