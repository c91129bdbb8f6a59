#include "profiles/point_to_point_profile_ppp_dial_auth_remote_system_id_dialog.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace ip = code::identification_protocol;

}  // namespace

CPointToPointProfilePPPDialAuthRemoteSystemIdDialog::
    CPointToPointProfilePPPDialAuthRemoteSystemIdDialog(CPointToPointProfilePropertySheet* pSheet,
                                                        ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_REMOTE_SYSTEM_ID, pParent), m_pSheet(pSheet) {}

void CPointToPointProfilePPPDialAuthRemoteSystemIdDialog::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    const CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    m_strName = config::Trim(auth.strRemoteName);
    m_nProtocol = auth.nRemoteProtocol == ip::kPAP ? kPAP : kCHAP;
    m_strList = m_pSheet->GetValidationListName();
}

ui::BOOL CPointToPointProfilePPPDialAuthRemoteSystemIdDialog::OnInitDialog() {
    Load();
    CDialog::OnInitDialog();
    m_pSheet->FillValidationLists(ComboBox(IDC_AUTH_VALIDATION_LIST));
    SetDlgItemText(IDC_AUTH_VALIDATION_LIST, m_strList);
    if (m_pSheet->IsSLIP()) {
        GetDlgItem(IDC_AUTH_CHAP)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_AUTH_PAP)->ShowWindow(ui::SW_HIDE);
    }
    return ui::TRUE;
}

void CPointToPointProfilePPPDialAuthRemoteSystemIdDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_AUTH_REMOTE_NAME, m_strName);
    ui::DDX_Radio(pDX, IDC_AUTH_CHAP, m_nProtocol);
    ui::DDX_CBString(pDX, IDC_AUTH_VALIDATION_LIST, m_strList);
}

void CPointToPointProfilePPPDialAuthRemoteSystemIdDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    if (config::Trim(m_strName).empty()) {
        ui::AfxMessageBox(IDS_AUTH_REMOTE_NAME_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_AUTH_REMOTE_NAME));
        return;
    }
    CDialog::OnOK();
}

bool CPointToPointProfilePPPDialAuthRemoteSystemIdDialog::Store() {
    Load();
    const std::string name = config::ToUpper(config::Trim(m_strName));
    if (name.empty()) {
        ui::AfxMessageBox(IDS_AUTH_REMOTE_NAME_REQUIRED, kProfileMessageStyle);
        return false;
    }
    CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    auth.strRemoteName = name;
    auth.nRemoteProtocol = m_nProtocol == kPAP ? ip::kPAP : ip::kCHAP;
    m_pSheet->SetIntAttribute(prf::kRemoteIdentificationProtocol, auth.nRemoteProtocol);
    m_pSheet->SetTextAttribute(prf::kRemoteIdentificationName, name);
    const std::string list = config::ToUpper(config::Trim(m_strList));
    if (list.empty()) return true;
    m_pSheet->SetValidationListName(list);
    m_pSheet->SetTextAttribute(prf::kValidationList, list);
    return true;
}

}  // namespace ptp::profiles
