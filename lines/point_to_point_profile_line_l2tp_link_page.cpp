#include "lines/point_to_point_profile_line_l2tp_link_page.h"

#include <sstream>

#include "lines/point_to_point_profile_line_l2tp_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

CPointToPointProfileLineL2TPLinkPage::CPointToPointProfileLineL2TPLinkPage(
    CPointToPointProfileLineL2TPPropertySheet* pSheet)
    : CVirtualLinePage(IDD_L2TP_LINE_LINK, pSheet), m_pL2TPSheet(pSheet) {}

void CPointToPointProfileLineL2TPLinkPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_strSpeed = m_pL2TPSheet->Record().GetBandwidth();
    m_strMaxFrame = m_pSheet->GetField(VirtualLineField::MaxFrame);
    m_nKeepAlive = m_pSheet->GetField(VirtualLineField::KeepAlive) == "1" ? 1 : 0;
}

ui::BOOL CPointToPointProfileLineL2TPLinkPage::OnInitDialog() {
    EnsureLoaded();
    ui::CComboBox& speeds = ComboBox(IDC_L2TP_LINE_SPEED);
    std::istringstream words(ui::LoadText(IDS_VLINE_L2TP_SPEEDS));
    for (std::string speed; words >> speed;)
        speeds.AddString(speed);
    // A line keeps a speed set elsewhere even when the list lacks it.
    if (!m_strSpeed.empty() && speeds.FindStringExact(-1, m_strSpeed) < 0)
        speeds.AddString(m_strSpeed);
    CVirtualLinePage::OnInitDialog();
    return ui::TRUE;
}

void CPointToPointProfileLineL2TPLinkPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_L2TP_LINE_SPEED, m_strSpeed);
    ui::DDX_Text(pDX, IDC_L2TP_LINE_MAX_FRAME, m_strMaxFrame);
    ui::DDX_Check(pDX, IDC_L2TP_LINE_KEEP_ALIVE, m_nKeepAlive);
}

bool CPointToPointProfileLineL2TPLinkPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    return CheckRange(m_strMaxFrame, 1000, 4096, IDC_L2TP_LINE_MAX_FRAME);
}

void CPointToPointProfileLineL2TPLinkPage::Store() {
    m_pL2TPSheet->Record().SetBandwidth(m_strSpeed);
    m_pSheet->SetField(VirtualLineField::MaxFrame, m_strMaxFrame);
    m_pSheet->SetField(VirtualLineField::KeepAlive, m_nKeepAlive == 1 ? "1" : "0");
}

}  // namespace ptp::lines
