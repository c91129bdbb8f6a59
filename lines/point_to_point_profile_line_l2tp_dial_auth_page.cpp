#include "lines/point_to_point_profile_line_l2tp_dial_auth_page.h"

#include "config/config_text.h"
#include "lines/virtual_line_sheet.h"
#include "platform/ui/ddx.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

CPointToPointProfileLineL2TPDialAuthPage::CPointToPointProfileLineL2TPDialAuthPage(
    CVirtualLineSheetBase* pSheet)
    : CVirtualLinePage(IDD_L2TP_LINE_DIAL_AUTH, pSheet) {
    OnClicked(IDC_L2TP_DIAL_SECRET_ON, [this] { UpdateControls(); });
}

void CPointToPointProfileLineL2TPDialAuthPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    CL2TPTunnelEntry entry;
    if (!ReadTunnelEntry(m_pSheet->GetSystemName(), kDialTunnelList,
                         m_pSheet->GetExistingLineName(), entry, GetSafeHwnd()))
        return;
    m_strHostName = entry.strHostName;
    m_strSecret = entry.strSecret;
    m_nSecretOn = m_strSecret.empty() ? 0 : 1;
    m_bHadEntry = !m_strHostName.empty() || !m_strSecret.empty();
}

ui::BOOL CPointToPointProfileLineL2TPDialAuthPage::OnInitDialog() {
    CVirtualLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineL2TPDialAuthPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_L2TP_DIAL_HOST_NAME, m_strHostName);
    ui::DDX_Check(pDX, IDC_L2TP_DIAL_SECRET_ON, m_nSecretOn);
    ui::DDX_Text(pDX, IDC_L2TP_DIAL_SECRET, m_strSecret);
}

void CPointToPointProfileLineL2TPDialAuthPage::UpdateControls() {
    const bool secret = IsDlgButtonChecked(IDC_L2TP_DIAL_SECRET_ON) == ui::BST_CHECKED;
    GetDlgItem(IDC_L2TP_DIAL_SECRET)->EnableWindow(secret ? ui::TRUE : ui::FALSE);
}

bool CPointToPointProfileLineL2TPDialAuthPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strHostName = std::string(config::Trim(m_strHostName));
    if (m_nSecretOn == 0) return true;
    if (m_strHostName.empty()) {
        ShowProblem(IDS_VLINE_HOST_NAME_REQUIRED, IDC_L2TP_DIAL_HOST_NAME);
        return false;
    }
    if (!m_strSecret.empty()) return true;
    ShowProblem(IDS_VLINE_SECRET_REQUIRED, IDC_L2TP_DIAL_SECRET);
    return false;
}

bool CPointToPointProfileLineL2TPDialAuthPage::HasEntry() const {
    return m_bHadEntry || !m_strHostName.empty() || m_nSecretOn == 1;
}

CL2TPTunnelEntry CPointToPointProfileLineL2TPDialAuthPage::Entry() const {
    return {m_strHostName, m_nSecretOn == 1 ? m_strSecret : std::string()};
}

}  // namespace ptp::lines
