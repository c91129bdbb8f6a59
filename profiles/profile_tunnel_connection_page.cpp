#include "profiles/profile_tunnel_connection_page.h"

#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_tunnels.h"

namespace ptp::profiles {

namespace prf = attr::profile;

CProfileTunnelConnectionPage::CProfileTunnelConnectionPage(
    UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet, VirtualLineKind kind)
    : CPointToPointProfilePage(nIDTemplate, pSheet), m_lines(*pSheet, kind), m_kind(kind) {
    OnChanged(IDC_TUNNEL_LINE, [this] { m_lines.UpdateButtons(*this); });
    OnClicked(IDC_TUNNEL_LINE_NEW, [this] { m_lines.OnNew(*this); });
    OnClicked(IDC_TUNNEL_LINE_PROPERTIES, [this] { m_lines.OnProperties(*this); });
}

ui::BOOL CProfileTunnelConnectionPage::OnKillActive() {
    if (!CPointToPointProfilePage::OnKillActive()) return ui::FALSE;
    return m_lines.CheckOnLeaving(*this, m_strLine) ? ui::TRUE : ui::FALSE;
}

int CProfileTunnelConnectionPage::Refuse(UINT message, int control) {
    return m_lines.Refuse(*this, message, control, m_strLine);
}

void CProfileTunnelConnectionPage::StoreLine() {
    const bool l2tp = m_kind == VirtualLineKind::L2TP;
    m_pSheet->SetTextAttribute(
        prf::kLineType, l2tp ? code::profile_line_type::kL2TP : code::profile_line_type::kPPPoE);
    m_pSheet->SetIntAttribute(prf::kLineKind,
                              l2tp ? code::line_kind::kL2TPLine : code::line_kind::kPPPoELine);
    m_pSheet->SetTextAttribute(prf::kLineName, m_strLine);
}

int CProfileTunnelConnectionPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
        return m_lines.StoreUnshown(*this, m_strLine);
    }
    if (!UpdateData(ui::TRUE)) return kPageFailed;
    if (const UINT message = m_lines.Check(m_strLine)) return Refuse(message, IDC_TUNNEL_LINE);
    if (StoreTunnel() != kPageOk) return kPageFailed;
    m_numericSetting.Store(*m_pSheet);
    m_pSheet->SetIntAttribute(prf::kLineUse, 1);
    return kPageOk;
}

}  // namespace ptp::profiles
