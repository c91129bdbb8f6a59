#include "profiles/point_to_point_profile_tcpip_settings_dod_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/profile_routes.h"
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
    // The network dialled is the user of the answering profile, or the entry of this profile's
    // own routes, whose address this one dials.
    ReadNetworks(m_strAnswerProfile);
    if (!EnsureRoutesDialog()) result = 1;
    for (const CIPAddressInformation& user : Networks()) {
        if (m_strNetwork.empty() && !m_strRemoteAddress.empty() &&
            user.strAddress == m_strRemoteAddress)
            m_strNetwork = user.strName;
    }
    return result == 0 ? kPageOk : kPageFailed;
}

void CPointToPointProfileTCPIPSettingsDodPage::ReadNetworks(const std::string& answer) {
    m_networks.clear();
    if (answer.empty()) return;
    if (!m_pRouteStore)
        m_pRouteStore = std::make_unique<CProfileRouteStore>(m_strSystemName, m_pSheet);
    std::vector<CRouteInformation> routes;
    if (!m_pRouteStore->ReadFor(answer, routes)) return;
    for (CIPAddressInformation& user : PerUserEntries(std::move(routes))) {
        if (!user.strAddress.empty()) m_networks.push_back(std::move(user));
    }
}

std::vector<CIPAddressInformation> CPointToPointProfileTCPIPSettingsDodPage::Networks() const {
    std::vector<CIPAddressInformation> networks = m_networks;
    if (!m_pRoutesDialog) return networks;
    for (const CIPAddressInformation& own : m_pRoutesDialog->GetUsers()) {
        const bool named = std::any_of(networks.begin(), networks.end(), [&](const auto& user) {
            return config::EqualsNoCase(user.strName, own.strName);
        });
        if (!named && !own.strAddress.empty()) networks.push_back(own);
    }
    return networks;
}

void CPointToPointProfileTCPIPSettingsDodPage::FillNetworks() {
    ui::CComboBox& box = ComboBox(IDC_TCPIP_DOD_REMOTE_NETWORK);
    const std::string typed = box.GetWindowText();
    box.ResetContent();
    for (const CIPAddressInformation& user : Networks())
        box.AddString(user.strName);
    box.SetWindowText(typed);
}

std::optional<CIPAddressInformation> CPointToPointProfileTCPIPSettingsDodPage::FindNetwork(
    const std::string& name) const {
    for (const CIPAddressInformation& user : Networks()) {
        if (config::EqualsNoCase(user.strName, name)) return user;
    }
    return std::nullopt;
}

void CPointToPointProfileTCPIPSettingsDodPage::TakeNetworkAddress() {
    const auto user =
        FindNetwork(std::string(config::Trim(GetDlgItemText(IDC_TCPIP_DOD_REMOTE_NETWORK))));
    if (user) SetDlgItemText(IDC_TCPIP_DOD_REMOTE_ADDRESS, user->strAddress);
}

bool CPointToPointProfileTCPIPSettingsDodPage::EnsureRoutesDialog() {
    if (!m_pRoutesDialog)
        m_pRoutesDialog = std::make_unique<CPointToPointProfileTCPIPSettingsIPAddressDialog>(
            m_strSystemName, m_pSheet, this);
    return m_pRoutesDialog->Load();
}

void CPointToPointProfileTCPIPSettingsDodPage::OpenRoutes() {
    if (!EnsureRoutesDialog()) return;
    m_bRoutesOpened = true;
    if (m_pRoutesDialog->DoModal() == ui::IDOK) FillNetworks();
}

int CPointToPointProfileTCPIPSettingsDodPage::StoreRoutes() {
    if (!m_bRoutesOpened || !EnsureRoutesDialog()) return kPageOk;
    m_pRoutesDialog->SetPairedAnswer(m_strAnswerProfile);
    std::string strMessage;
    if (m_pRoutesDialog->Store(strMessage) != 0)
        return ReopenAfterFailure(*m_pRoutesDialog, IDS_ROUTES_SAVE_FAILED, {strMessage});
    namespace rc = code::routing_choice;
    m_pSheet->SetIntAttribute(prf::kRoutingChoice,
                              m_pRoutesDialog->GetCount() == 0 ? rc::kNone : rc::kOwnRouteList);
    return kPageOk;
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
    FillNetworks();
    SetDlgItemText(IDC_TCPIP_DOD_REMOTE_NETWORK, m_strNetwork);
    OnChanged(IDC_TCPIP_DOD_ANSWER_PROFILE, [this] { TakeAnswerAddresses(); });
    OnChanged(IDC_TCPIP_DOD_REMOTE_NETWORK, [this] { TakeNetworkAddress(); });
    OnClicked(IDC_TCPIP_ADVANCED, [this] { OpenAdvanced(); });
    OnClicked(IDC_TCPIP_DOD_ROUTES, [this] { OpenRoutes(); });
    return ui::TRUE;
}

void CPointToPointProfileTCPIPSettingsDodPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_TCPIP_DOD_ANSWER_PROFILE, m_strAnswerProfile);
    ui::DDX_Text(pDX, IDC_TCPIP_DOD_LOCAL_ADDRESS, m_strLocalAddress);
    ui::DDX_Text(pDX, IDC_TCPIP_DOD_REMOTE_ADDRESS, m_strRemoteAddress);
    ui::DDX_CBString(pDX, IDC_TCPIP_DOD_REMOTE_NETWORK, m_strNetwork);
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
    ReadNetworks(answer->strName);
    FillNetworks();
    SetDlgItemText(IDC_TCPIP_DOD_REMOTE_NETWORK, "");
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
    const std::string network(config::Trim(m_strNetwork));
    if (!network.empty() && !FindNetwork(network)) {
        GetSheet()->SetActivePage(this);
        ui::AfxMessageBox(IDS_PROFILE_REMOTE_NETWORK_UNKNOWN, {network}, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_TCPIP_DOD_REMOTE_NETWORK));
        return kPageFailed;
    }
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
    if (StoreRoutes() != kPageOk) return kPageFailed;
    return StoreAdvanced();
}

}  // namespace ptp::profiles
