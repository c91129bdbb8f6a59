#include "profiles/point_to_point_profile_ppp_ans_auth_local_system_id_dialog.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {
namespace {

namespace ip = code::identification_protocol;

}  // namespace

CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::
    CPointToPointProfilePPPAnsAuthLocalSystemIdDialog(CPointToPointProfilePropertySheet* pSheet,
                                                      ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_LOCAL_SYSTEM_ID, pParent), m_pSheet(pSheet) {}

void CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    const CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    m_strName = auth.strEntryName;
    m_strPassword = auth.strEntryPassword;
    m_nProtocol = auth.nLocalProtocol == ip::kPAP ? kPAP : kCHAP;
}

const std::string& CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::GetName() {
    Load();
    return m_strName;
}

const std::string& CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::GetPassword() {
    Load();
    return m_strPassword;
}

int CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::GetProtocol() {
    Load();
    return m_nProtocol == kPAP ? ip::kPAP : ip::kCHAP;
}

ui::BOOL CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::OnInitDialog() {
    Load();
    CDialog::OnInitDialog();
    if (m_pSheet->IsSLIP()) {
        GetDlgItem(IDC_AUTH_CHAP)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_AUTH_PAP)->ShowWindow(ui::SW_HIDE);
    }
    return ui::TRUE;
}

void CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_AUTH_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_AUTH_PASSWORD, m_strPassword);
    ui::DDX_Radio(pDX, IDC_AUTH_CHAP, m_nProtocol);
}

void CPointToPointProfilePPPAnsAuthLocalSystemIdDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    if (config::Trim(m_strName).empty()) {
        ui::AfxMessageBox(IDS_AUTH_NAME_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_AUTH_NAME));
        return;
    }
    CDialog::OnOK();
}

}  // namespace ptp::profiles
