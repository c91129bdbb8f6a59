#include "profiles/point_to_point_profile_l2tp_terminator_connection_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/tcpip_interface.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_tunnels.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace ifc = attr::tcpip_interface;

constexpr std::string_view kAnyAddress = "0.0.0.0";
constexpr int kFewestConnections = 1;
constexpr int kMostConnections = 200;
constexpr int kDefaultLinks = 2;

}  // namespace

CPointToPointProfileL2TPTerminatorConnectionPage::CPointToPointProfileL2TPTerminatorConnectionPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CProfileTunnelConnectionPage(IDD_L2TP_TERMINATOR_CONNECTION, pSheet, VirtualLineKind::L2TP) {
    OnChanged(IDC_TUNNEL_MAX_CONNECTIONS, [this] { OnConnectionsChanged(); });
    OnClicked(IDC_TUNNEL_MULTILINK, [this] { UpdateMultilinkControls(); });
    OnChanged(IDC_TUNNEL_LINKS, [this] { UpdateMultilinkControls(); });
}

int CPointToPointProfileL2TPTerminatorConnectionPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_pSheet->GetTextAttribute(prf::kTunnelEndPoint, m_strEndPoint);
    result |= m_pSheet->GetTextAttribute(prf::kLineName, m_strLine);
    m_strLoadedLine = m_strLine;
    result |= m_pSheet->GetIntAttribute(prf::kMaxConnections, m_nConnections);
    m_nLinks = kDefaultLinks;
    if (m_pSheet->GetCapabilityC()) {
        result |= m_pSheet->GetIntAttribute(prf::kMultilink, m_nMultilink);
        if (m_nMultilink != 0) {
            result |= m_pSheet->GetIntAttribute(prf::kMaxLinks, m_nLinks);
            m_nLinks = std::min(m_nLinks, m_nConnections);
            result |= m_pSheet->GetIntAttribute(prf::kBandwidthOnDemand, m_nBandwidth);
            if (m_nLinks == 1) m_nBandwidth = 0;
        }
        result |= m_pSheet->GetIntAttribute(prf::kRequireTunnelSecret, m_nRequireSecret);
        result |= m_pSheet->GetIntAttribute(prf::kAcceptMultihop, m_nMultihop);
    }
    result |= m_numericSetting.Load(*m_pSheet);
    return result == 0 ? kPageOk : kPageFailed;
}

// The system's own addresses, loopback left out; the first entry takes any of them.
void CPointToPointProfileL2TPTerminatorConnectionPage::FillEndPoints() {
    m_endPoints = {std::string(kAnyAddress)};
    host::IHost* host = host::GetHost();
    host::SOFError* error = nullptr;
    auto list = host ? host->Objects().CreateList(kinds::kTCPIPInterfaceList, host::kClientName,
                                                  config::ToUpper(m_strSystemName), "", &error)
                     : nullptr;
    if (list && !error && host::LoadList(*list, &error)) {
        const long count = list->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* element = list->ElementAt(index, &error);
            if (error || !element) break;
            const std::string shown = element->GetAttributeText(ifc::kDisplayAddress, &error);
            const std::string address = element->GetAttributeText(ifc::kAddress, &error);
            if (error || config::EqualsNoCase(shown, "*LOOPBACK")) continue;
            m_endPoints.push_back(address);
        }
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (std::find(m_endPoints.begin(), m_endPoints.end(), m_strEndPoint) == m_endPoints.end())
        m_endPoints.push_back(m_strEndPoint);
    ui::CComboBox& box = ComboBox(IDC_TUNNEL_LOCAL_END_POINT);
    box.ResetContent();
    box.AddString(ui::LoadText(IDS_TUNNEL_ANY_ADDRESS));
    for (std::size_t index = 1; index < m_endPoints.size(); ++index)
        box.AddString(m_endPoints[index]);
}

ui::BOOL CPointToPointProfileL2TPTerminatorConnectionPage::OnInitDialog() {
    (void)Load();
    FillEndPoints();
    Spin(IDC_TUNNEL_MAX_CONNECTIONS_SPIN).SetRange(kFewestConnections, kMostConnections);
    Spin(IDC_TUNNEL_LINKS_SPIN).SetRange(1, m_nConnections);
    CPointToPointProfilePage::OnInitDialog();
    m_lines.Fill(*this, m_strLine);
    UpdateMultilinkControls();
    return ui::TRUE;
}

void CPointToPointProfileL2TPTerminatorConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    int endPoint = static_cast<int>(
        std::find(m_endPoints.begin(), m_endPoints.end(), m_strEndPoint) - m_endPoints.begin());
    ui::DDX_CBIndex(pDX, IDC_TUNNEL_LOCAL_END_POINT, endPoint);
    if (pDX->m_bSaveAndValidate && endPoint >= 0 && endPoint < static_cast<int>(m_endPoints.size()))
        m_strEndPoint = m_endPoints[static_cast<std::size_t>(endPoint)];
    ui::DDX_CBString(pDX, IDC_TUNNEL_LINE, m_strLine);
    ui::DDX_Text(pDX, IDC_TUNNEL_MAX_CONNECTIONS, m_nConnections);
    ui::DDV_MinMaxInt(pDX, m_nConnections, kFewestConnections, kMostConnections);
    ui::DDX_Check(pDX, IDC_TUNNEL_MULTILINK, m_nMultilink);
    ui::DDX_Text(pDX, IDC_TUNNEL_LINKS, m_nLinks);
    ui::DDV_MinMaxInt(pDX, m_nLinks, 1, m_nConnections);
    ui::DDX_Check(pDX, IDC_TUNNEL_BANDWIDTH_OPTION, m_nBandwidth);
    m_numericSetting.Exchange(pDX, IDC_TUNNEL_NUMERIC_SETTING);
    ui::DDX_Check(pDX, IDC_TUNNEL_MULTIHOP, m_nMultihop);
    ui::DDX_Check(pDX, IDC_TUNNEL_REQUIRE_SECRET, m_nRequireSecret);
}

ui::BOOL CPointToPointProfileL2TPTerminatorConnectionPage::OnSetActive() {
    CPointToPointProfilePage::OnSetActive();
    m_lines.UpdateButtons(*this);
    UpdateMultilinkControls();
    return ui::TRUE;
}

void CPointToPointProfileL2TPTerminatorConnectionPage::OnConnectionsChanged() {
    Spin(IDC_TUNNEL_LINKS_SPIN).SetRange(1, Spin(IDC_TUNNEL_MAX_CONNECTIONS_SPIN).GetPos());
}

void CPointToPointProfileL2TPTerminatorConnectionPage::UpdateMultilinkControls() {
    const bool capable = m_pSheet->GetCapabilityC();
    const bool bundled = capable && IsDlgButtonChecked(IDC_TUNNEL_MULTILINK) == ui::BST_CHECKED;
    const bool severalLinks = bundled && GetDlgItemInt(IDC_TUNNEL_LINKS) > 1;
    if (!severalLinks) CheckDlgButton(IDC_TUNNEL_BANDWIDTH_OPTION, ui::BST_UNCHECKED);
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_TUNNEL_MULTILINK, capable);
    enable(IDC_TUNNEL_LINKS, bundled);
    enable(IDC_TUNNEL_LINKS_SPIN, bundled);
    enable(IDC_TUNNEL_BANDWIDTH_OPTION, severalLinks);
    enable(IDC_TUNNEL_MULTIHOP, capable);
    enable(IDC_TUNNEL_REQUIRE_SECRET, capable);
}

int CPointToPointProfileL2TPTerminatorConnectionPage::StoreTunnel() {
    if (m_nLinks == 1) m_nBandwidth = 0;
    StoreLine();
    m_pSheet->SetTextAttribute(prf::kTunnelEndPoint, m_strEndPoint);
    m_pSheet->SetIntAttribute(prf::kMaxConnections, m_nConnections);
    if (m_pSheet->GetCapabilityC()) {
        m_pSheet->SetIntAttribute(prf::kMultilink, m_nMultilink);
        m_pSheet->SetIntAttribute(prf::kMaxLinks, m_nMultilink != 0 ? m_nLinks : 1);
        m_pSheet->SetIntAttribute(prf::kBandwidthOnDemand, m_nMultilink != 0 ? m_nBandwidth : 0);
        m_pSheet->SetIntAttribute(prf::kAcceptMultihop, m_nMultihop);
        m_pSheet->SetIntAttribute(prf::kRequireTunnelSecret, m_nRequireSecret);
    }
    return kPageOk;
}

}  // namespace ptp::profiles
