#include "profiles/point_to_point_profile_tcpip_settings_dod_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

}  // namespace

CPointToPointProfileTCPIPSettingsDodPage::CPointToPointProfileTCPIPSettingsDodPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileTCPIPPage(IDD_PROFILE_TCPIP_DOD, pSheet) {}

int CPointToPointProfileTCPIPSettingsDodPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    m_answers = m_pSheet->PairableAnswerProfiles();
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_pSheet->GetTextAttribute(prf::kPairedAnswerProfile, m_strAnswerProfile);
    result |= m_pSheet->GetTextAttribute(prf::kLocalAddress, m_strLocalAddress);
    result |= m_pSheet->GetTextAttribute(prf::kRemoteAddress, m_strRemoteAddress);
    result |= m_pSheet->GetIntAttribute(prf::kHideAddresses, m_nHideAddresses);
    result |= m_pSheet->GetIntAttribute(prf::kHeaderCompression, m_nHeaderCompression);
    m_strLocalAddress = ShownAddress(m_strLocalAddress);
    m_strRemoteAddress = ShownAddress(m_strRemoteAddress);
    return result == 0 ? kPageOk : kPageFailed;
}

const CPairableAnswerProfile* CPointToPointProfileTCPIPSettingsDodPage::Find(
    const std::string& name) const {
    for (const CPairableAnswerProfile& answer : m_answers) {
        if (config::EqualsNoCase(answer.strName, name)) return &answer;
    }
    return nullptr;
}

ui::BOOL CPointToPointProfileTCPIPSettingsDodPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfileTCPIPPage::OnInitDialog();
    ui::CComboBox& box = ComboBox(IDC_TCPIP_DOD_ANSWER_PROFILE);
    for (const CPairableAnswerProfile& answer : m_answers)
        box.AddString(answer.strName);
    box.SetWindowText(m_strAnswerProfile);
    OnChanged(IDC_TCPIP_DOD_ANSWER_PROFILE, [this] { TakeAnswerAddresses(); });
    OnClicked(IDC_TCPIP_ADVANCED, [this] { OpenAdvanced(); });
    return ui::TRUE;
}

void CPointToPointProfileTCPIPSettingsDodPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_TCPIP_DOD_ANSWER_PROFILE, m_strAnswerProfile);
    ui::DDX_Text(pDX, IDC_TCPIP_DOD_LOCAL_ADDRESS, m_strLocalAddress);
    ui::DDX_Text(pDX, IDC_TCPIP_DOD_REMOTE_ADDRESS, m_strRemoteAddress);
    ui::DDX_Check(pDX, IDC_TCPIP_HIDE_ADDRESSES, m_nHideAddresses);
    ui::DDX_Check(pDX, IDC_TCPIP_HEADER_COMPRESSION, m_nHeaderCompression);
}

// The calls come in over the answering profile, so its local address is this profile's too and
// the first address it hands out is where this one dials.
void CPointToPointProfileTCPIPSettingsDodPage::TakeAnswerAddresses() {
    const CPairableAnswerProfile* answer =
        Find(config::ToUpper(config::Trim(GetDlgItemText(IDC_TCPIP_DOD_ANSWER_PROFILE))));
    if (!answer) return;
    SetDlgItemText(IDC_TCPIP_DOD_LOCAL_ADDRESS, ShownAddress(answer->strLocalAddress));
    SetDlgItemText(IDC_TCPIP_DOD_REMOTE_ADDRESS, ShownAddress(answer->strRemoteAddress));
}

int CPointToPointProfileTCPIPSettingsDodPage::Store() {
    // An existing profile's pairing the user never looked at stays as the server has it.
    if (!IsCreated() && !m_pSheet->IsNew()) return StoreAdvanced();
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
    } else if (!UpdateData(ui::TRUE)) {
        return kPageFailed;
    }
    m_strAnswerProfile = config::ToUpper(config::Trim(m_strAnswerProfile));
    if (!Find(m_strAnswerProfile))
        return Refuse(IDS_PROFILE_ANSWER_PROFILE_REQUIRED, IDC_TCPIP_DOD_ANSWER_PROFILE);
    const std::string local(config::Trim(m_strLocalAddress));
    const std::string remote(config::Trim(m_strRemoteAddress));
    if (!CheckAddress(local, IDC_TCPIP_DOD_ANSWER_PROFILE)) return kPageFailed;
    if (!CheckAddress(remote, IDC_TCPIP_DOD_REMOTE_ADDRESS)) return kPageFailed;
    if (config::EqualsNoCase(local, remote))
        return Refuse(IDS_PROFILE_ADDRESSES_SAME, IDC_TCPIP_DOD_REMOTE_ADDRESS);
    m_pSheet->SetIntAttribute(prf::kLocalAddressMethod, code::address_method::kGiven);
    m_pSheet->SetTextAttribute(prf::kLocalAddress, local);
    m_pSheet->SetIntAttribute(prf::kRemoteAddressMethod, code::address_method::kGiven);
    m_pSheet->SetTextAttribute(prf::kRemoteAddress, remote);
    m_pSheet->SetIntAttribute(prf::kHideAddresses, m_nHideAddresses);
    m_pSheet->SetIntAttribute(prf::kHeaderCompression, m_nHeaderCompression);
    m_pSheet->SetTextAttribute(prf::kPairedAnswerProfile, m_strAnswerProfile);
    return StoreAdvanced();
}

}  // namespace ptp::profiles
