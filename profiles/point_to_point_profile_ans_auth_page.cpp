#include "profiles/point_to_point_profile_ans_auth_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/remote_access_services_state.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace ip = code::identification_protocol;

}  // namespace

CPointToPointProfileAnsAuthPage::CPointToPointProfileAnsAuthPage(
    UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet, bool bPPP)
    : CPointToPointProfileAuthPage(nIDTemplate, pSheet, bPPP) {}

CPointToPointProfileAnsAuthPage::~CPointToPointProfileAnsAuthPage() = default;

CPointToPointProfilePPPAnsAuthPage::CPointToPointProfilePPPAnsAuthPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileAnsAuthPage(IDD_PROFILE_PPP_ANS_AUTH, pSheet, true) {}

CPointToPointProfileSLIPAnsAuthPage::CPointToPointProfileSLIPAnsAuthPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileAnsAuthPage(IDD_PROFILE_SLIP_ANS_AUTH, pSheet, false) {}

// A leased line answers one known peer: its settings beyond the basic ones do not apply.
bool CPointToPointProfileAnsAuthPage::HasExtendedSettings() const {
    return m_bPPP && m_pSheet->GetCapabilityC() &&
           m_pSheet->GetLineService() != code::line_service::kNonswitched;
}

int CPointToPointProfileAnsAuthPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    m_strList = m_pSheet->GetValidationListName();
    if (m_pSheet->IsNew()) return kPageOk;
    const CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    m_nRemote = auth.nRemoteIdentification;
    m_nProtocol = auth.nRemoteProtocol == ip::kPAP ? kPAP : kCHAP;
    m_nRadiusAuthentication = auth.nRadiusAuthentication;
    m_nRadiusAccounting = auth.nRadiusAccounting;
    m_nLocal = auth.nLocalIdentification;
    return kPageOk;
}

ui::BOOL CPointToPointProfileAnsAuthPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfileAuthPage::OnInitDialog();
    m_pSheet->FillValidationLists(ComboBox(IDC_AUTH_VALIDATION_LIST));
    SetDlgItemText(IDC_AUTH_VALIDATION_LIST, m_strList);
    OnClicked(IDC_AUTH_VALIDATION_OPEN, [this] { OpenValidationList(); });
    OnClicked(IDC_AUTH_REMOTE_ID, [this] { EnableControls(); });
    OnClicked(IDC_AUTH_LOCAL_ID, [this] { OnLocalClicked(); });
    OnClicked(IDC_AUTH_LOCAL_SETTINGS, [this] { LocalSystemIdDialog().DoModal(); });
    if (m_bPPP && !m_pSheet->GetCapabilityC()) {
        for (int id : {IDC_AUTH_CHAP, IDC_AUTH_PAP, IDC_AUTH_RADIUS_AUTH, IDC_AUTH_RADIUS_ACCT})
            GetDlgItem(id)->ShowWindow(ui::SW_HIDE);
    }
    if (m_bPPP) ApplyRadiusServices();
    EnableControls();
    return ui::TRUE;
}

void CPointToPointProfileAnsAuthPage::ApplyRadiusServices() {
    const bool extended = HasExtendedSettings();
    const bool authentication = extended && IsRadiusAuthenticationOn(m_strSystemName);
    const bool accounting = extended && IsRadiusAccountingOn(m_strSystemName);
    GetDlgItem(IDC_AUTH_RADIUS_AUTH)->EnableWindow(authentication ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_AUTH_RADIUS_ACCT)->EnableWindow(accounting ? ui::TRUE : ui::FALSE);
    if (!authentication) CheckDlgButton(IDC_AUTH_RADIUS_AUTH, ui::BST_UNCHECKED);
    if (!accounting) CheckDlgButton(IDC_AUTH_RADIUS_ACCT, ui::BST_UNCHECKED);
}

void CPointToPointProfileAnsAuthPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_AUTH_REMOTE_ID, m_nRemote);
    ui::DDX_CBString(pDX, IDC_AUTH_VALIDATION_LIST, m_strList);
    ui::DDX_Check(pDX, IDC_AUTH_LOCAL_ID, m_nLocal);
    if (!m_bPPP) return;
    ui::DDX_Radio(pDX, IDC_AUTH_CHAP, m_nProtocol);
    ui::DDX_Check(pDX, IDC_AUTH_RADIUS_AUTH, m_nRadiusAuthentication);
    ui::DDX_Check(pDX, IDC_AUTH_RADIUS_ACCT, m_nRadiusAccounting);
}

void CPointToPointProfileAnsAuthPage::OpenValidationList() {
    const std::string list =
        config::ToUpper(config::Trim(GetDlgItemText(IDC_AUTH_VALIDATION_LIST)));
    if (list.empty()) {
        ui::AfxMessageBox(IDS_AUTH_LIST_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_AUTH_VALIDATION_LIST));
        return;
    }
    if (!m_pValidationListDialog)
        m_pValidationListDialog =
            std::make_unique<CPointToPointProfileValidationListDialog>(m_pSheet, this);
    m_pValidationListDialog->SetListName(list);
    m_pValidationListDialog->DoModal();
    // A list the dialog made is offered from now on.
    m_pSheet->FillValidationLists(ComboBox(IDC_AUTH_VALIDATION_LIST));
    SetDlgItemText(IDC_AUTH_VALIDATION_LIST, list);
}

void CPointToPointProfileAnsAuthPage::OnLocalClicked() {
    const bool on = IsDlgButtonChecked(IDC_AUTH_LOCAL_ID) == ui::BST_CHECKED;
    if (on && !AskToRetainPasswords()) CheckDlgButton(IDC_AUTH_LOCAL_ID, ui::BST_UNCHECKED);
    EnableControls();
}

void CPointToPointProfileAnsAuthPage::EnableControls() {
    const bool remote = IsDlgButtonChecked(IDC_AUTH_REMOTE_ID) == ui::BST_CHECKED;
    GetDlgItem(IDC_AUTH_VALIDATION_LIST)->EnableWindow(remote ? ui::TRUE : ui::FALSE);
    const bool local = IsDlgButtonChecked(IDC_AUTH_LOCAL_ID) == ui::BST_CHECKED;
    GetDlgItem(IDC_AUTH_LOCAL_SETTINGS)->EnableWindow(local ? ui::TRUE : ui::FALSE);
}

CPointToPointProfilePPPAnsAuthLocalSystemIdDialog&
CPointToPointProfileAnsAuthPage::LocalSystemIdDialog() {
    if (!m_pLocalSystemIdDialog)
        m_pLocalSystemIdDialog =
            std::make_unique<CPointToPointProfilePPPAnsAuthLocalSystemIdDialog>(m_pSheet, this);
    return *m_pLocalSystemIdDialog;
}

int CPointToPointProfileAnsAuthPage::StoreLocalIdentification() {
    CPointToPointProfilePPPAnsAuthLocalSystemIdDialog& dialog = LocalSystemIdDialog();
    const std::string name(config::Trim(dialog.GetName()));
    if (name.empty()) {
        (void)FailOn(IDC_AUTH_LOCAL_ID);
        ui::AfxMessageBox(IDS_AUTH_NAME_REQUIRED, kProfileMessageStyle);
        dialog.DoModal();
        return kPageFailed;
    }
    std::string password = dialog.GetPassword();
    if (m_bPPP && !ConfirmNewPassword(password, IDC_AUTH_LOCAL_ID)) {
        dialog.RestorePassword(password);
        return kPageFailed;
    }
    const int protocol = m_bPPP ? dialog.GetProtocol() : ip::kNone;
    m_pSheet->SetIntAttribute(prf::kLocalIdentificationProtocol, protocol);
    return SaveEntry(name, password, protocol, IDC_AUTH_LOCAL_ID) ? kPageOk : kPageFailed;
}

int CPointToPointProfileAnsAuthPage::Store() {
    if (KeepsWhatTheProfileHolds()) return kPageOk;
    if (!TakeValues()) return kPageFailed;
    const CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    if (m_nRemote == 1) {
        const std::string list = config::ToUpper(config::Trim(m_strList));
        if (list.empty()) {
            (void)FailOn(IDC_AUTH_VALIDATION_LIST);
            ui::AfxMessageBox(IDS_AUTH_LIST_REQUIRED, kProfileMessageStyle);
            return kPageFailed;
        }
        if (!m_pSheet->ValidationListExists(list)) {
            (void)FailOn(IDC_AUTH_VALIDATION_LIST);
            ui::AfxMessageBox(IDS_AUTH_LIST_MISSING, {list}, kProfileMessageStyle);
            return kPageFailed;
        }
        m_pSheet->SetValidationListName(list);
        m_pSheet->SetTextAttribute(prf::kValidationList, list);
        m_pSheet->SetTextAttribute(prf::kRemoteIdentificationName,
                                   auth.strRemoteName.empty() ? " " : auth.strRemoteName);
        if (HasExtendedSettings()) {
            m_pSheet->SetIntAttribute(prf::kRadiusAuthentication, m_nRadiusAuthentication);
            m_pSheet->SetIntAttribute(prf::kRadiusAccounting, m_nRadiusAccounting);
        }
    }
    m_pSheet->SetIntAttribute(prf::kRemoteIdentification, m_nRemote);
    m_pSheet->SetIntAttribute(prf::kRemoteIdentificationProtocol,
                              m_bPPP && m_nProtocol == kPAP ? ip::kPAP : ip::kCHAP);
    m_pSheet->SetIntAttribute(prf::kLocalIdentification, m_nLocal);
    if (m_nLocal != 1) return kPageOk;
    return StoreLocalIdentification();
}

}  // namespace ptp::profiles
