#include "profiles/point_to_point_profile_l2tp_initiator_connection_page.h"

#include <new>

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_l2tp_dial_outgoing_call_dialog.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_tunnels.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr int kNumberColumnWidth = 150;

}  // namespace

CPointToPointProfileL2TPInitiatorConnectionPage::CPointToPointProfileL2TPInitiatorConnectionPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CProfileTunnelConnectionPage(IDD_L2TP_INITIATOR_CONNECTION, pSheet, VirtualLineKind::L2TP) {
    OnClicked(IDC_TUNNEL_OUTGOING_CALL, [this] { OnOutgoingCall(); });
    OnClicked(IDC_TUNNEL_HOST_NAME_ON, [this] { UpdateControls(); });
}

CPointToPointProfileL2TPInitiatorConnectionPage::
    ~CPointToPointProfileL2TPInitiatorConnectionPage() = default;

bool CPointToPointProfileL2TPInitiatorConnectionPage::UsesOutgoingCall() const {
    return m_pSheet->GetMode() == code::mode::kDial ||
           m_pSheet->GetMode() == code::mode::kDialVariant3;
}

bool CPointToPointProfileL2TPInitiatorConnectionPage::UsesRedial() const {
    return m_pSheet->GetMode() == code::mode::kDial;
}

int CPointToPointProfileL2TPInitiatorConnectionPage::EndPointAttribute() const {
    return m_pSheet->IsRelease050300() ? prf::kRemoteTunnelEndPoint : prf::kTunnelEndPoint;
}

// The dialog is made once, as the page loads, and kept for the sheet's life.
void CPointToPointProfileL2TPInitiatorConnectionPage::CreateOutgoingCallDialog() {
    m_pDialPropertiesDialog.reset(
        new (std::nothrow) CPointToPointProfileL2TPDialOutgoingCallDialog(m_pSheet, m_pSheet));
    if (m_pDialPropertiesDialog) {
        (void)m_pDialPropertiesDialog->Load();
        return;
    }
    m_pSheet->SetLastTrace(
        "Error: ->m_pDialPropertiesDialog = new "
        "CPointToPointProfileL2TPDialOutgoingCallDialog(...)<- returned NULL.");
}

int CPointToPointProfileL2TPInitiatorConnectionPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (UsesOutgoingCall()) CreateOutgoingCallDialog();
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_pSheet->GetTextAttribute(prf::kLineName, m_strLine);
    m_strLoadedLine = m_strLine;
    result |= m_pSheet->GetTextAttribute(EndPointAttribute(), m_strEndPoint);
    if (UsesRedial()) result |= m_pSheet->GetIntAttribute(prf::kRedialOnDrop, m_nRedial);
    result |= m_pSheet->GetIntAttribute(prf::kTunnelHostNameOn, m_nHostNameOn);
    if (m_nHostNameOn == 1)
        result |= m_pSheet->GetTextAttribute(prf::kTunnelHostName, m_strHostName);
    result |= m_numericSetting.Load(*m_pSheet);
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileL2TPInitiatorConnectionPage::OnInitDialog() {
    (void)Load();
    ListCtrl(IDC_TUNNEL_NUMBERS)
        .InsertColumn(0, ui::LoadText(IDS_TUNNEL_NUMBERS_COLUMN), ui::LVCFMT_LEFT,
                      kNumberColumnWidth);
    CPointToPointProfilePage::OnInitDialog();
    m_lines.Fill(*this, m_strLine);
    ShowNumbers();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileL2TPInitiatorConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_TUNNEL_LINE, m_strLine);
    ui::DDX_Text(pDX, IDC_TUNNEL_END_POINT, m_strEndPoint);
    ui::DDX_Check(pDX, IDC_TUNNEL_REDIAL, m_nRedial);
    ui::DDX_Check(pDX, IDC_TUNNEL_HOST_NAME_ON, m_nHostNameOn);
    ui::DDX_Text(pDX, IDC_TUNNEL_HOST_NAME, m_strHostName);
    m_numericSetting.Exchange(pDX, IDC_TUNNEL_NUMERIC_SETTING);
}

ui::BOOL CPointToPointProfileL2TPInitiatorConnectionPage::OnSetActive() {
    CPointToPointProfilePage::OnSetActive();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileL2TPInitiatorConnectionPage::UpdateControls() {
    m_lines.UpdateButtons(*this);
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_TUNNEL_NUMBERS, UsesOutgoingCall());
    enable(IDC_TUNNEL_OUTGOING_CALL, UsesOutgoingCall());
    enable(IDC_TUNNEL_REDIAL, UsesRedial());
    enable(IDC_TUNNEL_HOST_NAME, IsDlgButtonChecked(IDC_TUNNEL_HOST_NAME_ON) == ui::BST_CHECKED);
}

void CPointToPointProfileL2TPInitiatorConnectionPage::ShowNumbers() {
    ui::CListCtrl& numbers = ListCtrl(IDC_TUNNEL_NUMBERS);
    numbers.DeleteAllItems();
    if (!UsesOutgoingCall() || !m_pDialPropertiesDialog) return;
    for (const std::string* number :
         {&m_pDialPropertiesDialog->FirstNumber(), &m_pDialPropertiesDialog->SecondNumber()}) {
        if (!number->empty()) numbers.InsertItem(numbers.GetItemCount(), *number);
    }
}

void CPointToPointProfileL2TPInitiatorConnectionPage::OnOutgoingCall() {
    if (!m_pDialPropertiesDialog) {
        ui::AfxMessageBox(IDS_TUNNEL_OUTGOING_CALL_FAILED, kProfileMessageStyle);
        return;
    }
    (void)m_pDialPropertiesDialog->DoModal();
    ShowNumbers();
}

int CPointToPointProfileL2TPInitiatorConnectionPage::StoreTunnel() {
    m_strEndPoint = std::string(config::Trim(m_strEndPoint));
    m_strHostName = std::string(config::Trim(m_strHostName));
    if (UsesOutgoingCall() &&
        (!m_pDialPropertiesDialog || m_pDialPropertiesDialog->FirstNumber().empty()))
        return Refuse(IDS_TUNNEL_NUMBER_REQUIRED, IDC_TUNNEL_OUTGOING_CALL);
    if (m_strEndPoint.empty()) return Refuse(IDS_TUNNEL_END_POINT_REQUIRED, IDC_TUNNEL_END_POINT);
    if (m_nHostNameOn == 1 && m_strHostName.empty())
        return Refuse(IDS_TUNNEL_HOST_NAME_REQUIRED, IDC_TUNNEL_HOST_NAME);
    StoreLine();
    if (UsesOutgoingCall()) m_pDialPropertiesDialog->Store();
    m_pSheet->SetTextAttribute(EndPointAttribute(), m_strEndPoint);
    if (UsesRedial()) m_pSheet->SetIntAttribute(prf::kRedialOnDrop, m_nRedial);
    m_pSheet->SetIntAttribute(prf::kTunnelHostNameOn, m_nHostNameOn);
    if (m_nHostNameOn == 1) m_pSheet->SetTextAttribute(prf::kTunnelHostName, m_strHostName);
    return kPageOk;
}

}  // namespace ptp::profiles
