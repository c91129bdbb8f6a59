#include "profiles/point_to_point_profile_tcpip_settings_answer_page.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_routes.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace am = code::address_method;

constexpr int kMaxRange = 255;

}  // namespace

CPointToPointProfileTCPIPSettingsAnswerPage::CPointToPointProfileTCPIPSettingsAnswerPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileTCPIPPage(IDD_PROFILE_TCPIP_ANSWER, pSheet) {}

bool CPointToPointProfileTCPIPSettingsAnswerPage::IsSingleConnection() const {
    return m_pSheet->IsSLIP() || m_pSheet->IsLineKind(code::line_kind::kOneLine) ||
           m_pSheet->IsLineKind(code::line_kind::kPool) ||
           m_pSheet->GetLineService() == code::line_service::kNonswitched;
}

int CPointToPointProfileTCPIPSettingsAnswerPage::PositionOf(int method) const {
    const bool extended = m_pSheet->GetCapabilityC();
    switch (method) {
        case am::kGiven:
            return kOne;
        case am::kDynamic:
            if (!extended) return kNone;
            return IsSingleConnection() ? kOne : kRange;
        case am::kPerUser:
            return kPerUser;
        case am::kRange:
            return kRange;
        case am::kDhcpWanClient:
            return kDhcpWanClient;
        case am::kRadius:
            return kRadius;
        default:
            return kNoChoice;
    }
}

int CPointToPointProfileTCPIPSettingsAnswerPage::MethodOf(int position) const {
    switch (position) {
        case kNone:
            return am::kDynamic;
        case kOne:
            return am::kGiven;
        case kPerUser:
            return am::kPerUser;
        case kRange:
            return am::kRange;
        case kDhcpWanClient:
            return am::kDhcpWanClient;
        case kRadius:
            return am::kRadius;
        default:
            return am::kGiven;
    }
}

int CPointToPointProfileTCPIPSettingsAnswerPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    m_services = ReadRemoteAccessServices(m_strSystemName);
    if (m_pSheet->IsNew()) {
        m_nPosition = IsSingleConnection() ? kOne : kRange;
        return kPageOk;
    }
    int method = 0;
    int count = 1;
    int result = m_pSheet->GetTextAttribute(prf::kLocalAddress, m_strLocalAddress);
    result |= m_pSheet->GetIntAttribute(prf::kRemoteAddressMethod, method);
    result |= m_pSheet->GetTextAttribute(prf::kRemoteAddress, m_strRemoteAddress);
    result |= m_pSheet->GetIntAttribute(prf::kRemoteAddressCount, count);
    result |= m_pSheet->GetIntAttribute(prf::kRoutingChoice, m_nRouting);
    result |= m_pSheet->GetIntAttribute(prf::kHideAddresses, m_nHideAddresses);
    if (m_pSheet->GetCapabilityC()) {
        result |= m_pSheet->GetIntAttribute(prf::kPerUserAddresses, m_nPerUser);
        result |= m_pSheet->GetIntAttribute(prf::kRemoteChoosesAddress, m_nRemoteChooses);
    }
    m_nPosition = PositionOf(method);
    m_strLocalAddress = ShownAddress(m_strLocalAddress);
    if (m_nPosition != kOne && m_nPosition != kRange) m_strRemoteAddress.clear();
    m_strRemoteAddress = ShownAddress(m_strRemoteAddress);
    m_strCount = std::to_string(count < 1 ? 1 : count);
    return result == 0 ? kPageOk : kPageFailed;
}

void CPointToPointProfileTCPIPSettingsAnswerPage::FillMethods() {
    ui::CComboBox& box = ComboBox(IDC_TCPIP_ANS_REMOTE_METHOD);
    box.ResetContent();
    const std::pair<int, UINT> entries[] = {
        {kNone, IDS_PROFILE_REMOTE_NONE},          {kOne, IDS_PROFILE_REMOTE_ONE},
        {kPerUser, IDS_PROFILE_REMOTE_PER_USER},   {kRange, IDS_PROFILE_REMOTE_RANGE},
        {kDhcpWanClient, IDS_PROFILE_REMOTE_DHCP}, {kRadius, IDS_PROFILE_REMOTE_RADIUS}};
    for (const auto& [position, text] : entries) {
        if (position == kDhcpWanClient && !m_services.bDhcpWanClient) continue;
        if (position == kRadius && !m_services.bRadiusAddresses) continue;
        const int index = box.AddString(ui::LoadText(text));
        box.SetItemData(index, static_cast<ui::DWORD_PTR>(position));
        if (position == m_nPosition) box.SetCurSel(index);
    }
}

void CPointToPointProfileTCPIPSettingsAnswerPage::ShowPosition(int position) {
    ui::CComboBox& box = ComboBox(IDC_TCPIP_ANS_REMOTE_METHOD);
    for (int index = 0; index < box.GetCount(); ++index) {
        if (static_cast<int>(box.GetItemData(index)) == position) box.SetCurSel(index);
    }
    SetDlgItemText(IDC_TCPIP_ANS_REMOTE_UNSET, "");
    EnableControls();
}

int CPointToPointProfileTCPIPSettingsAnswerPage::ChosenPosition() {
    ui::CComboBox& box = ComboBox(IDC_TCPIP_ANS_REMOTE_METHOD);
    const int index = box.GetCurSel();
    return index < 0 ? kNoChoice : static_cast<int>(box.GetItemData(index));
}

ui::BOOL CPointToPointProfileTCPIPSettingsAnswerPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfileTCPIPPage::OnInitDialog();
    FillMethods();
    FillLocalAddresses(IDC_TCPIP_ANS_LOCAL_ADDRESS);
    // A method the server holds that this version does not know is said, not guessed.
    const bool unknown = !m_pSheet->IsNew() && ChosenPosition() == kNoChoice;
    if (unknown) SetDlgItemText(IDC_TCPIP_ANS_REMOTE_UNSET, ui::LoadText(IDS_PROFILE_REMOTE_UNSET));
    OnChanged(IDC_TCPIP_ANS_REMOTE_METHOD, [this] { EnableControls(); });
    OnClicked(IDC_TCPIP_ANS_PER_USER, [this] { EnableControls(); });
    OnClicked(IDC_TCPIP_ADVANCED, [this] { OpenAdvanced(); });
    OnClicked(IDC_TCPIP_ANS_ADDRESSES, [this] { OpenAddresses(); });
    if (!m_pSheet->GetCapabilityC()) {
        GetDlgItem(IDC_TCPIP_ANS_PER_USER)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_TCPIP_ANS_REMOTE_CHOOSES)->ShowWindow(ui::SW_HIDE);
    }
    EnableControls();
    return ui::TRUE;
}

void CPointToPointProfileTCPIPSettingsAnswerPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_TCPIP_ANS_LOCAL_ADDRESS, m_strLocalAddress);
    ui::DDX_Text(pDX, IDC_TCPIP_ANS_REMOTE_ADDRESS, m_strRemoteAddress);
    ui::DDX_Text(pDX, IDC_TCPIP_ANS_REMOTE_COUNT, m_strCount);
    ui::DDX_Check(pDX, IDC_TCPIP_ANS_PER_USER, m_nPerUser);
    ui::DDX_Check(pDX, IDC_TCPIP_ANS_REMOTE_CHOOSES, m_nRemoteChooses);
    ui::DDX_Check(pDX, IDC_TCPIP_HIDE_ADDRESSES, m_nHideAddresses);
    ui::DDX_Radio(pDX, IDC_TCPIP_ROUTING_NONE, m_nRouting);
}

void CPointToPointProfileTCPIPSettingsAnswerPage::EnableControls() {
    const int position = ChosenPosition();
    const bool address = position == kOne || position == kRange;
    GetDlgItem(IDC_TCPIP_ANS_REMOTE_ADDRESS)->EnableWindow(address ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_TCPIP_ANS_REMOTE_COUNT)->EnableWindow(position == kRange ? ui::TRUE : ui::FALSE);
    const bool perUser =
        position == kPerUser || IsDlgButtonChecked(IDC_TCPIP_ANS_PER_USER) == ui::BST_CHECKED;
    GetDlgItem(IDC_TCPIP_ANS_ADDRESSES)->EnableWindow(perUser ? ui::TRUE : ui::FALSE);
}

bool CPointToPointProfileTCPIPSettingsAnswerPage::EnsureAddressDialog() {
    if (!m_pIPAddressDialog) {
        m_pIPAddressDialog = std::make_unique<CPointToPointProfileTCPIPSettingsIPAddressDialog>(
            m_strSystemName, m_pSheet, this);
        const std::string dependent = m_pSheet->PairedDialOnDemandProfile();
        if (!dependent.empty()) {
            m_pIPAddressDialog->SetDependentProfile(dependent);
            m_pIPAddressDialog->SetPairedAnswer(m_pSheet->GetInterfaceName());
        }
    }
    return m_pIPAddressDialog->Load();
}

void CPointToPointProfileTCPIPSettingsAnswerPage::OpenAddresses() {
    if (EnsureAddressDialog()) m_pIPAddressDialog->DoModal();
}

int CPointToPointProfileTCPIPSettingsAnswerPage::StoreAddresses() {
    if (m_nPerUser != 1 && m_nPosition != kPerUser) return kPageOk;
    if (!EnsureAddressDialog()) return kPageFailed;
    if (m_nPosition == kPerUser && m_pIPAddressDialog->GetCount() == 0)
        return ReopenAfterFailure(*m_pIPAddressDialog, IDS_PER_USER_LIST_EMPTY, {});
    std::string strMessage;
    if (m_pIPAddressDialog->Store(strMessage) == 0) return kPageOk;
    return ReopenAfterFailure(*m_pIPAddressDialog, IDS_ROUTES_SAVE_FAILED, {strMessage});
}

bool CPointToPointProfileTCPIPSettingsAnswerPage::CheckRange(const std::string& first, int count) {
    const std::size_t dot = first.rfind('.');
    const std::string prefix = first.substr(0, dot + 1);
    const int start = config::TextToInt(first.substr(dot + 1));
    for (int offset = 0; offset < count; ++offset) {
        if (!CheckAddress(prefix + std::to_string(start + offset), IDC_TCPIP_ANS_REMOTE_ADDRESS))
            return false;
    }
    return true;
}

int CPointToPointProfileTCPIPSettingsAnswerPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
    } else if (!UpdateData(ui::TRUE)) {
        return kPageFailed;
    } else {
        m_nPosition = ChosenPosition();
    }
    // A method the user never saw, and this version does not know, stays as the server has it.
    const bool keepRemote = !IsCreated() && !m_pSheet->IsNew() && m_nPosition == kNoChoice;
    // Without a choice the profile gets the usual method of its kind, with what that asks for.
    if (m_nPosition == kNoChoice && !keepRemote) {
        m_nPosition = IsSingleConnection() ? kOne : kRange;
        if (IsCreated()) ShowPosition(m_nPosition);
    }
    std::string_view local = config::Trim(m_strLocalAddress);
    const std::string localAddress(local.substr(0, local.find(' ')));
    if (!localAddress.empty() && !CheckAddress(localAddress, IDC_TCPIP_ANS_LOCAL_ADDRESS))
        return kPageFailed;
    const bool given = m_nPosition == kOne || m_nPosition == kRange;
    const std::string remoteAddress = given ? std::string(config::Trim(m_strRemoteAddress)) : "";
    if (given && !CheckAddress(remoteAddress, IDC_TCPIP_ANS_REMOTE_ADDRESS)) return kPageFailed;
    const int count = config::TextToInt(m_strCount);
    if (m_nPosition == kRange) {
        if (count < 1 || count > kMaxRange)
            return Refuse(IDS_PROFILE_RANGE_COUNT, IDC_TCPIP_ANS_REMOTE_COUNT);
        if (!CheckRange(remoteAddress, count)) return kPageFailed;
    }
    if (!localAddress.empty() && config::EqualsNoCase(localAddress, remoteAddress))
        return Refuse(IDS_PROFILE_ADDRESSES_SAME, IDC_TCPIP_ANS_REMOTE_ADDRESS);
    m_pSheet->SetIntAttribute(prf::kLocalAddressMethod,
                              localAddress.empty() ? am::kDynamic : am::kGiven);
    m_pSheet->SetTextAttribute(prf::kLocalAddress, localAddress);
    if (!keepRemote) {
        m_pSheet->SetIntAttribute(prf::kRemoteAddressMethod, MethodOf(m_nPosition));
        m_pSheet->SetTextAttribute(prf::kRemoteAddress, remoteAddress);
    }
    if (m_nPosition == kRange) m_pSheet->SetIntAttribute(prf::kRemoteAddressCount, count);
    if (m_pSheet->GetCapabilityC()) {
        m_pSheet->SetIntAttribute(prf::kPerUserAddresses, m_nPerUser);
        m_pSheet->SetIntAttribute(prf::kRemoteChoosesAddress, m_nRemoteChooses);
    }
    m_pSheet->SetIntAttribute(prf::kHideAddresses, m_nHideAddresses);
    if (StoreAddresses() != kPageOk) return kPageFailed;
    m_pSheet->SetIntAttribute(prf::kRoutingChoice, m_nRouting);
    return StoreAdvanced();
}

}  // namespace ptp::profiles
