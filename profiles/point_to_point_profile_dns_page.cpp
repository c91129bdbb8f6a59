#include "profiles/point_to_point_profile_dns_page.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

}  // namespace

CPointToPointProfileDNSPage::CPointToPointProfileDNSPage(CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfilePage(IDD_PROFILE_DNS, pSheet) {}

int CPointToPointProfileDNSPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) return kPageOk;
    int stored = code::dns_choice::kNone;
    int result = m_pSheet->GetIntAttribute(prf::kDnsChoice, stored);
    result |= m_pSheet->GetTextAttribute(prf::kDnsServer, m_strAddress);
    if (stored == code::dns_choice::kNone) {
        m_nChoice = kNone;
    } else {
        m_nChoice = stored == code::dns_choice::kGiven ? kGiven : kFromRemote;
    }
    // Older clients wrote a word where no address was given.
    if (config::EqualsNoCase(m_strAddress, "*None") || config::EqualsNoCase(m_strAddress, "None"))
        m_strAddress.clear();
    if (m_nChoice != kGiven) m_strAddress.clear();
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileDNSPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfilePage::OnInitDialog();
    for (int id : {IDC_DNS_GIVEN, IDC_DNS_FROM_REMOTE, IDC_DNS_NONE})
        OnClicked(id, [this] { EnableAddress(); });
    EnableAddress();
    return ui::TRUE;
}

void CPointToPointProfileDNSPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_DNS_GIVEN, m_nChoice);
    ui::DDX_Text(pDX, IDC_DNS_ADDRESS, m_strAddress);
}

void CPointToPointProfileDNSPage::EnableAddress() {
    const bool given = IsDlgButtonChecked(IDC_DNS_GIVEN) == ui::BST_CHECKED;
    if (!given) SetDlgItemText(IDC_DNS_ADDRESS, "");
    GetDlgItem(IDC_DNS_ADDRESS)->EnableWindow(given ? ui::TRUE : ui::FALSE);
}

// SLIP has no way to learn a DNS server from the remote system.
ui::BOOL CPointToPointProfileDNSPage::OnSetActive() {
    if (!CPointToPointProfilePage::OnSetActive()) return ui::FALSE;
    if (!m_pSheet->IsSLIP()) return ui::TRUE;
    if (IsDlgButtonChecked(IDC_DNS_FROM_REMOTE) == ui::BST_CHECKED)
        CheckRadioButton(IDC_DNS_GIVEN, IDC_DNS_NONE, IDC_DNS_GIVEN);
    GetDlgItem(IDC_DNS_FROM_REMOTE)->EnableWindow(ui::FALSE);
    EnableAddress();
    return ui::TRUE;
}

bool CPointToPointProfileDNSPage::CheckAddress() {
    m_strAddress = std::string(config::Trim(m_strAddress));
    if (m_nChoice != kGiven || host::CBaseTCPIPAddress(m_strAddress).IsValid()) return true;
    ui::AfxMessageBox(IDS_PROFILE_ADDRESS_INVALID, {m_strAddress}, kProfileMessageStyle);
    GotoDlgCtrl(GetDlgItem(IDC_DNS_ADDRESS));
    return false;
}

ui::BOOL CPointToPointProfileDNSPage::OnKillActive() {
    if (!CPointToPointProfilePage::OnKillActive()) return ui::FALSE;
    return CheckAddress() ? ui::TRUE : ui::FALSE;
}

int CPointToPointProfileDNSPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
        // What the user never saw stays as it is; a new profile gets no DNS setting.
        if (m_pSheet->IsNew()) m_pSheet->SetIntAttribute(prf::kDnsChoice, code::dns_choice::kNone);
        return kPageOk;
    }
    if (!UpdateData(ui::TRUE)) return kPageFailed;
    m_strAddress = std::string(config::Trim(m_strAddress));
    if (m_nChoice == kGiven && !host::CBaseTCPIPAddress(m_strAddress).IsValid()) {
        GetSheet()->SetActivePage(this);
        if (!CheckAddress()) return kPageFailed;
    }
    int stored = code::dns_choice::kNone;
    if (m_nChoice == kGiven) stored = code::dns_choice::kGiven;
    if (m_nChoice == kFromRemote) stored = code::dns_choice::kFromRemote;
    m_pSheet->SetIntAttribute(prf::kDnsChoice, stored);
    m_pSheet->SetTextAttribute(prf::kDnsServer, m_nChoice == kGiven ? m_strAddress : "");
    return kPageOk;
}

}  // namespace ptp::profiles
