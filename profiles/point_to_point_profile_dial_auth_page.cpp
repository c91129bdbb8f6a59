#include "profiles/point_to_point_profile_dial_auth_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace ip = code::identification_protocol;

}  // namespace

CPointToPointProfileDialAuthPage::CPointToPointProfileDialAuthPage(
    UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet, bool bPPP)
    : CPointToPointProfileAuthPage(nIDTemplate, pSheet, bPPP) {}

CPointToPointProfileDialAuthPage::~CPointToPointProfileDialAuthPage() = default;

CPointToPointProfilePPPDialAuthPage::CPointToPointProfilePPPDialAuthPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileDialAuthPage(IDD_PROFILE_PPP_DIAL_AUTH, pSheet, true) {}

CPointToPointProfileSLIPDialAuthPage::CPointToPointProfileSLIPDialAuthPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileDialAuthPage(IDD_PROFILE_SLIP_DIAL_AUTH, pSheet, false) {}

int CPointToPointProfileDialAuthPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) {
        m_nExtended = m_pSheet->GetCapabilityC() ? 1 : 0;
        return kPageOk;
    }
    const CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    m_nLocal = auth.nLocalIdentification;
    m_nProtocol = auth.nLocalProtocol == ip::kPAP ? kPAP : kCHAP;
    m_nExtended = auth.nExtendedProtocol;
    m_strName = auth.strEntryName;
    m_strPassword = auth.strEntryPassword;
    m_nRemote = auth.nRemoteIdentification;
    return kPageOk;
}

int CPointToPointProfileDialAuthPage::ChosenProtocol() const {
    if (!m_bPPP) return ip::kNone;
    if (m_nProtocol == kPAP) return ip::kPAP;
    return m_pSheet->GetCapabilityC() && m_nExtended == 1 ? ip::kEAP : ip::kCHAP;
}

ui::BOOL CPointToPointProfileDialAuthPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfileAuthPage::OnInitDialog();
    OnClicked(IDC_AUTH_LOCAL_ID, [this] { EnableControls(); });
    OnClicked(IDC_AUTH_REMOTE_ID, [this] { EnableControls(); });
    OnClicked(IDC_AUTH_REMOTE_SETTINGS, [this] { OpenRemoteSystemId(); });
    if (m_bPPP && !m_pSheet->GetCapabilityC()) GetDlgItem(IDC_AUTH_EAP)->ShowWindow(ui::SW_HIDE);
    EnableControls();
    return ui::TRUE;
}

void CPointToPointProfileDialAuthPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_AUTH_LOCAL_ID, m_nLocal);
    ui::DDX_Text(pDX, IDC_AUTH_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_AUTH_PASSWORD, m_strPassword);
    ui::DDX_Check(pDX, IDC_AUTH_REMOTE_ID, m_nRemote);
    if (!m_bPPP) return;
    ui::DDX_Radio(pDX, IDC_AUTH_CHAP, m_nProtocol);
    ui::DDX_Check(pDX, IDC_AUTH_EAP, m_nExtended);
}

void CPointToPointProfileDialAuthPage::EnableControls() {
    const ui::BOOL local =
        IsDlgButtonChecked(IDC_AUTH_LOCAL_ID) == ui::BST_CHECKED ? ui::TRUE : ui::FALSE;
    GetDlgItem(IDC_AUTH_NAME)->EnableWindow(local);
    GetDlgItem(IDC_AUTH_PASSWORD)->EnableWindow(local);
    if (m_bPPP) {
        for (int id : {IDC_AUTH_CHAP, IDC_AUTH_PAP, IDC_AUTH_EAP})
            GetDlgItem(id)->EnableWindow(local);
    }
    const bool remote = IsDlgButtonChecked(IDC_AUTH_REMOTE_ID) == ui::BST_CHECKED;
    GetDlgItem(IDC_AUTH_REMOTE_SETTINGS)->EnableWindow(remote ? ui::TRUE : ui::FALSE);
}

CPointToPointProfilePPPDialAuthRemoteSystemIdDialog&
CPointToPointProfileDialAuthPage::RemoteSystemIdDialog() {
    if (!m_pRemoteSystemIdDialog)
        m_pRemoteSystemIdDialog =
            std::make_unique<CPointToPointProfilePPPDialAuthRemoteSystemIdDialog>(m_pSheet, this);
    return *m_pRemoteSystemIdDialog;
}

void CPointToPointProfileDialAuthPage::OpenRemoteSystemId() {
    RemoteSystemIdDialog().DoModal();
}

int CPointToPointProfileDialAuthPage::Store() {
    if (KeepsWhatTheProfileHolds()) return kPageOk;
    if (!TakeValues()) return kPageFailed;
    const std::string name(config::Trim(m_strName));
    if (m_nLocal == 1 && name.empty()) {
        GetSheet()->SetActivePage(this);
        ui::AfxMessageBox(IDS_AUTH_NAME_REQUIRED, kProfileMessageStyle);
        return FailOn(IDC_AUTH_NAME);
    }
    if (m_nLocal == 1 && !ConfirmNewPassword(m_strPassword, IDC_AUTH_PASSWORD)) return kPageFailed;
    const int protocol = ChosenProtocol();
    m_pSheet->SetIntAttribute(prf::kLocalIdentification, m_nLocal);
    m_pSheet->SetIntAttribute(prf::kLocalIdentificationProtocol,
                              m_nLocal == 1 ? protocol : ip::kCHAP);
    if (m_nLocal == 1 && !SaveEntry(name, m_strPassword, protocol, IDC_AUTH_NAME))
        return kPageFailed;
    m_pSheet->SetIntAttribute(prf::kRemoteIdentification, m_nRemote);
    if (m_nRemote != 1) {
        m_pSheet->SetIntAttribute(prf::kRemoteIdentificationProtocol, ip::kCHAP);
        m_pSheet->SetTextAttribute(prf::kRemoteIdentificationName, " ");
        return kPageOk;
    }
    if (RemoteSystemIdDialog().Store()) return kPageOk;
    (void)FailOn(IDC_AUTH_REMOTE_ID);
    RemoteSystemIdDialog().DoModal();
    return kPageFailed;
}

}  // namespace ptp::profiles
