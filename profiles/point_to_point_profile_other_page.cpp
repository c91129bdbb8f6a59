#include "profiles/point_to_point_profile_other_page.h"

#include <vector>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/profile_page_choice.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr std::string_view kDefaultLibrary = "QUSRSYS";
constexpr std::string_view kDefaultFile = "QATOCPPSCR";
constexpr std::string_view kOriginatorMember = "DIAL400";
constexpr std::string_view kReceiverMember = "ANS400";
constexpr int kDefaultCcsid = 819;
constexpr int kMaxCcsid = 65535;
constexpr std::string_view kUserSubsystem = "QUSRWRK";
constexpr std::string_view kSystemSubsystem = "QSYSWRK";

std::string MemberPattern(std::string_view library, std::string_view file) {
    return "\\QSYS.LIB\\" + std::string(library) + ".LIB\\" + std::string(file) + ".FILE\\*.*";
}

}  // namespace

CPointToPointProfileOtherPage::CPointToPointProfileOtherPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfilePage(IDD_PROFILE_OTHER, pSheet) {}

std::string CPointToPointProfileOtherPage::DefaultSubsystem() const {
    const int lineKind = m_pSheet->GetLineKind();
    if (lineKind == code::line_kind::kPoolForPPPAnswer || lineKind == code::line_kind::kISDNLine ||
        lineKind == code::line_kind::kISDNLineOwnLabel || m_pSheet->IsL2TP())
        return std::string(kUserSubsystem);
    if (m_pSheet->GetCapabilityC() && m_pSheet->IsPPP()) return std::string(kUserSubsystem);
    return std::string(kSystemSubsystem);
}

bool CPointToPointProfileOtherPage::ScriptProposed() const {
    if (!m_pSheet->IsNew() || !m_pSheet->IsSLIP()) return false;
    const CProfileAuthenticationState& auth = m_pSheet->AuthenticationState();
    if (auth.nLocalIdentification != 0 || auth.nRemoteIdentification != 0) return true;
    const CPointToPointProfilePage* tcpip = m_pSheet->Page(ProfilePageSlot::TCPIPDial);
    return tcpip && tcpip->AsksForScript();
}

void CPointToPointProfileOtherPage::LoadDefaults() {
    m_strLibrary = kDefaultLibrary;
    m_strFile = kDefaultFile;
    m_strMember = IsOriginatorMode(m_pSheet->GetLineService(), m_pSheet->GetMode())
                      ? kOriginatorMember
                      : kReceiverMember;
}

int CPointToPointProfileOtherPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    LoadDefaults();
    m_nCcsid = kDefaultCcsid;
    m_strSubsystem = DefaultSubsystem();
    if (m_pSheet->IsNew()) {
        m_nScript = ScriptProposed() ? 1 : 0;
        return kPageOk;
    }
    std::string library, file, member, subsystem;
    int result = m_pSheet->GetIntAttribute(prf::kScriptOn, m_nScript);
    result |= m_pSheet->GetTextAttribute(prf::kScriptLibrary, library);
    result |= m_pSheet->GetTextAttribute(prf::kScriptFile, file);
    result |= m_pSheet->GetTextAttribute(prf::kScriptMember, member);
    result |= m_pSheet->GetIntAttribute(prf::kScriptCcsid, m_nCcsid);
    if (m_pSheet->GetCapabilityA())
        result |= m_pSheet->GetTextAttribute(prf::kSubsystem, subsystem);
    // A profile that never had a script keeps the proposals.
    if (!library.empty()) {
        m_strLibrary = library;
        m_strFile = file;
        m_strMember = member;
    }
    if (m_nCcsid == 0) m_nCcsid = kDefaultCcsid;
    if (!subsystem.empty()) m_strSubsystem = subsystem;
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileOtherPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfilePage::OnInitDialog();
    FillMembers();
    OnClicked(IDC_OTHER_SCRIPT, [this] { EnableScriptFields(); });
    OnChanged(IDC_OTHER_SCRIPT_LIBRARY, [this] { FillMembers(); });
    OnChanged(IDC_OTHER_SCRIPT_FILE, [this] { FillMembers(); });
    EnableScriptFields();
    // Newer servers choose the subsystem themselves.
    if (m_pSheet->IsRelease050400() || !m_pSheet->GetCapabilityA()) {
        GetDlgItem(IDC_OTHER_SUBSYSTEM_LABEL)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_OTHER_SUBSYSTEM)->ShowWindow(ui::SW_HIDE);
    }
    return ui::TRUE;
}

void CPointToPointProfileOtherPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_OTHER_SCRIPT, m_nScript);
    ui::DDX_Text(pDX, IDC_OTHER_SCRIPT_LIBRARY, m_strLibrary);
    ui::DDX_Text(pDX, IDC_OTHER_SCRIPT_FILE, m_strFile);
    ui::DDX_CBString(pDX, IDC_OTHER_SCRIPT_MEMBER, m_strMember);
    ui::DDX_Text(pDX, IDC_OTHER_SCRIPT_CCSID, m_nCcsid);
    ui::DDV_MinMaxInt(pDX, m_nCcsid, 1, kMaxCcsid);
    ui::DDX_Text(pDX, IDC_OTHER_SUBSYSTEM, m_strSubsystem);
}

void CPointToPointProfileOtherPage::EnableScriptFields() {
    const ui::BOOL on =
        IsDlgButtonChecked(IDC_OTHER_SCRIPT) == ui::BST_CHECKED ? ui::TRUE : ui::FALSE;
    for (int id : {IDC_OTHER_SCRIPT_LIBRARY, IDC_OTHER_SCRIPT_FILE, IDC_OTHER_SCRIPT_MEMBER,
                   IDC_OTHER_SCRIPT_CCSID})
        GetDlgItem(id)->EnableWindow(on);
}

void CPointToPointProfileOtherPage::FillMembers() {
    ui::CComboBox& members = ComboBox(IDC_OTHER_SCRIPT_MEMBER);
    const std::string typed = members.GetWindowText();
    members.ResetContent();
    host::IHost* host = host::GetHost();
    if (!host) return;
    const std::string library =
        config::ToUpper(config::Trim(GetDlgItemText(IDC_OTHER_SCRIPT_LIBRARY)));
    const std::string file = config::ToUpper(config::Trim(GetDlgItemText(IDC_OTHER_SCRIPT_FILE)));
    host::SOFError* error = nullptr;
    const std::vector<std::string> names =
        host->Files().ListDirectory(m_strSystemName, MemberPattern(library, file), &error);
    if (error) {
        host::ShowAndDestroy(error, GetSafeHwnd());
        members.SetWindowText(typed);
        return;
    }
    for (const std::string& name : names)
        members.AddString(name.substr(0, name.rfind('.')));
    members.SetWindowText(typed);
}

int CPointToPointProfileOtherPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
    } else if (!UpdateData(ui::TRUE)) {
        return kPageFailed;
    }
    if (m_pSheet->GetCapabilityA()) {
        m_strSubsystem = config::ToUpper(config::Trim(m_strSubsystem));
        if (m_strSubsystem.empty() || m_strSubsystem.find(' ') != std::string::npos) {
            GetSheet()->SetActivePage(this);
            ui::AfxMessageBox(IDS_PROFILE_SUBSYSTEM_INVALID, kProfileMessageStyle);
            GotoDlgCtrl(GetDlgItem(IDC_OTHER_SUBSYSTEM));
            return kPageFailed;
        }
    }
    m_pSheet->SetIntAttribute(prf::kScriptOn, m_nScript);
    m_pSheet->SetTextAttribute(prf::kScriptLibrary, config::ToUpper(config::Trim(m_strLibrary)));
    m_pSheet->SetTextAttribute(prf::kScriptFile, config::ToUpper(config::Trim(m_strFile)));
    m_pSheet->SetTextAttribute(prf::kScriptMember, config::ToUpper(config::Trim(m_strMember)));
    m_pSheet->SetIntAttribute(prf::kScriptCcsid, m_nCcsid);
    if (m_pSheet->GetCapabilityA()) m_pSheet->SetTextAttribute(prf::kSubsystem, m_strSubsystem);
    return kPageOk;
}

}  // namespace ptp::profiles
