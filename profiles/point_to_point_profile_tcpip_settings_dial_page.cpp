#include "profiles/point_to_point_profile_tcpip_settings_dial_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_routes.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

}  // namespace

CPointToPointProfileTCPIPSettingsDialPage::CPointToPointProfileTCPIPSettingsDialPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfileTCPIPPage(IDD_PROFILE_TCPIP_DIAL, pSheet) {}

bool CPointToPointProfileTCPIPSettingsDialPage::IsNonswitchedAnswer() const {
    return m_pSheet->IsKind(code::line_service::kNonswitched, code::mode::kAnswer);
}

bool CPointToPointProfileTCPIPSettingsDialPage::OffersHiding() const {
    return m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kDialVariant4) ||
           m_pSheet->GetLineService() == code::line_service::kNonswitched;
}

void CPointToPointProfileTCPIPSettingsDialPage::LoadDefaults() {
    if (m_pSheet->IsSLIP()) {
        m_nRemoteMethod = kGiven;
        m_nLocalMethod = kDynamic;
        return;
    }
    if (m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kDialVariant3) ||
        m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kDialVariant4)) {
        m_nLocalMethod = m_nRemoteMethod = kGiven;
        return;
    }
    if (IsNonswitchedAnswer()) {
        m_nLocalMethod = kGiven;
        m_nRemoteMethod = kDynamic;
        return;
    }
    m_nLocalMethod = m_nRemoteMethod = kDynamic;
}

int CPointToPointProfileTCPIPSettingsDialPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) {
        LoadDefaults();
        return kPageOk;
    }
    int local = code::address_method::kDynamic;
    int remote = code::address_method::kDynamic;
    int result = m_pSheet->GetTextAttribute(prf::kLocalAddress, m_strLocalAddress);
    result |= m_pSheet->GetIntAttribute(prf::kLocalAddressMethod, local);
    result |= m_pSheet->GetTextAttribute(prf::kRemoteAddress, m_strRemoteAddress);
    result |= m_pSheet->GetIntAttribute(prf::kRemoteAddressMethod, remote);
    result |= m_pSheet->GetIntAttribute(prf::kRoutingChoice, m_nRouting);
    if (!IsNonswitchedAnswer())
        result |= m_pSheet->GetIntAttribute(prf::kHeaderCompression, m_nHeaderCompression);
    if (OffersHiding()) result |= m_pSheet->GetIntAttribute(prf::kHideAddresses, m_nHideAddresses);
    m_nLocalMethod = local == code::address_method::kGiven ? kGiven : kDynamic;
    m_nRemoteMethod = remote == code::address_method::kGiven ? kGiven : kDynamic;
    m_strLocalAddress = ShownAddress(m_strLocalAddress);
    m_strRemoteAddress = ShownAddress(m_strRemoteAddress);
    return result == 0 ? kPageOk : kPageFailed;
}

bool CPointToPointProfileTCPIPSettingsDialPage::AsksForScript() const {
    // A SLIP link learns its own address only from what the remote system says as it logs on.
    if (!m_pSheet->IsSLIP()) return false;
    if (IsCreated()) return IsDlgButtonChecked(IDC_TCPIP_LOCAL_DYNAMIC) == ui::BST_CHECKED;
    return !m_bLoaded || m_nLocalMethod == kDynamic;
}

ui::BOOL CPointToPointProfileTCPIPSettingsDialPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfileTCPIPPage::OnInitDialog();
    FillLocalAddresses(IDC_TCPIP_LOCAL_ADDRESS);
    for (int id : {IDC_TCPIP_LOCAL_GIVEN, IDC_TCPIP_LOCAL_DYNAMIC, IDC_TCPIP_REMOTE_GIVEN,
                   IDC_TCPIP_REMOTE_DYNAMIC, IDC_TCPIP_ROUTING_NONE, IDC_TCPIP_ROUTING_DEFAULT,
                   IDC_TCPIP_ROUTING_LIST})
        OnClicked(id, [this] { EnableControls(); });
    OnClicked(IDC_TCPIP_ADVANCED, [this] { OpenAdvanced(); });
    OnClicked(IDC_TCPIP_ROUTES, [this] { OpenRoutes(); });
    if (!OffersHiding()) GetDlgItem(IDC_TCPIP_HIDE_ADDRESSES)->ShowWindow(ui::SW_HIDE);
    if (IsNonswitchedAnswer()) GetDlgItem(IDC_TCPIP_HEADER_COMPRESSION)->ShowWindow(ui::SW_HIDE);
    EnableControls();
    return ui::TRUE;
}

void CPointToPointProfileTCPIPSettingsDialPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_TCPIP_LOCAL_GIVEN, m_nLocalMethod);
    ui::DDX_CBString(pDX, IDC_TCPIP_LOCAL_ADDRESS, m_strLocalAddress);
    ui::DDX_Radio(pDX, IDC_TCPIP_REMOTE_GIVEN, m_nRemoteMethod);
    ui::DDX_Text(pDX, IDC_TCPIP_REMOTE_ADDRESS, m_strRemoteAddress);
    ui::DDX_Check(pDX, IDC_TCPIP_HIDE_ADDRESSES, m_nHideAddresses);
    ui::DDX_Check(pDX, IDC_TCPIP_HEADER_COMPRESSION, m_nHeaderCompression);
    ui::DDX_Radio(pDX, IDC_TCPIP_ROUTING_NONE, m_nRouting);
}

void CPointToPointProfileTCPIPSettingsDialPage::EnableControls() {
    const bool local = IsDlgButtonChecked(IDC_TCPIP_LOCAL_GIVEN) == ui::BST_CHECKED;
    const bool remote = IsDlgButtonChecked(IDC_TCPIP_REMOTE_GIVEN) == ui::BST_CHECKED;
    GetDlgItem(IDC_TCPIP_LOCAL_ADDRESS)->EnableWindow(local ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_TCPIP_REMOTE_ADDRESS)->EnableWindow(remote ? ui::TRUE : ui::FALSE);
    const bool routes = IsDlgButtonChecked(IDC_TCPIP_ROUTING_LIST) == ui::BST_CHECKED;
    GetDlgItem(IDC_TCPIP_ROUTES)->EnableWindow(routes ? ui::TRUE : ui::FALSE);
}

bool CPointToPointProfileTCPIPSettingsDialPage::EnsureRoutingDialog() {
    if (!m_pRoutingDialog)
        m_pRoutingDialog = std::make_unique<CPointToPointProfileTCPIPSettingsRoutesDialog>(
            m_strSystemName, m_pSheet, this);
    return m_pRoutingDialog->Load();
}

void CPointToPointProfileTCPIPSettingsDialPage::OpenRoutes() {
    if (EnsureRoutingDialog()) m_pRoutingDialog->DoModal();
}

int CPointToPointProfileTCPIPSettingsDialPage::StoreRoutes() {
    if (m_nRouting != kRouteList) return kPageOk;
    if (!EnsureRoutingDialog()) return kPageFailed;
    std::string strMessage;
    if (m_pRoutingDialog->Store(strMessage) == 0) return kPageOk;
    return ReopenAfterFailure(*m_pRoutingDialog, IDS_ROUTES_SAVE_FAILED, {strMessage});
}

int CPointToPointProfileTCPIPSettingsDialPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
    } else if (!UpdateData(ui::TRUE)) {
        return kPageFailed;
    }
    // A chosen interface carries its kind after the address.
    std::string_view local = config::Trim(m_strLocalAddress);
    local = local.substr(0, local.find(' '));
    const std::string localAddress = m_nLocalMethod == kGiven ? std::string(local) : "";
    const std::string remoteAddress =
        m_nRemoteMethod == kGiven ? std::string(config::Trim(m_strRemoteAddress)) : "";
    if (m_nLocalMethod == kGiven && !CheckAddress(localAddress, IDC_TCPIP_LOCAL_ADDRESS))
        return kPageFailed;
    if (m_nRemoteMethod == kGiven && !CheckAddress(remoteAddress, IDC_TCPIP_REMOTE_ADDRESS))
        return kPageFailed;
    if (!localAddress.empty() && config::EqualsNoCase(localAddress, remoteAddress))
        return Refuse(IDS_PROFILE_ADDRESSES_SAME, IDC_TCPIP_REMOTE_ADDRESS);
    auto method = [](int shown) {
        return shown == kGiven ? code::address_method::kGiven : code::address_method::kDynamic;
    };
    m_pSheet->SetIntAttribute(prf::kLocalAddressMethod, method(m_nLocalMethod));
    m_pSheet->SetTextAttribute(prf::kLocalAddress, localAddress);
    m_pSheet->SetIntAttribute(prf::kRemoteAddressMethod, method(m_nRemoteMethod));
    m_pSheet->SetTextAttribute(prf::kRemoteAddress, remoteAddress);
    if (OffersHiding()) m_pSheet->SetIntAttribute(prf::kHideAddresses, m_nHideAddresses);
    if (!IsNonswitchedAnswer())
        m_pSheet->SetIntAttribute(prf::kHeaderCompression, m_nHeaderCompression);
    m_pSheet->SetIntAttribute(prf::kRoutingChoice, m_nRouting);
    if (StoreRoutes() != kPageOk) return kPageFailed;
    return StoreAdvanced();
}

}  // namespace ptp::profiles
