#include "profiles/point_to_point_profile_general_page.h"

#include "config/config_text.h"
#include "host/object_kinds.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/profile_resources.h"

namespace ptp::profiles {
namespace {

namespace prf = host::attributes::profile;

constexpr int kNameLimit = 10;
constexpr int kDescriptionLimit = 50;

UINT SwitchedKindText(int mode, int dialVariant) {
    switch (mode) {
        case kModeDial:
            if (dialVariant == 1) return IDS_PROFILE_KIND_DIAL_VARIANT1;
            if (dialVariant == 2) return IDS_PROFILE_KIND_DIAL_VARIANT2;
            if (dialVariant == 3) return IDS_PROFILE_KIND_DIAL_VARIANT3;
            return IDS_PROFILE_KIND_DIAL;
        case kModeDialVariant3:
            return IDS_PROFILE_KIND_SWITCHED_MODE3;
        case kModeDialVariant4:
            return IDS_PROFILE_KIND_SWITCHED_MODE4;
        case kModeDialOnDemand:
            return IDS_PROFILE_KIND_SWITCHED_MODE6;
        default:
            return IDS_PROFILE_KIND_ANSWER;
    }
}

UINT VirtualKindText(int mode) {
    switch (mode) {
        case kModeDial:
            return IDS_PROFILE_KIND_VIRTUAL_MODE1;
        case kModeDialVariant3:
            return IDS_PROFILE_KIND_VIRTUAL_MODE3;
        case kModeL2TPInitiator:
            return IDS_PROFILE_KIND_VIRTUAL_MODE5;
        case kModeL2TPInitiator7:
            return IDS_PROFILE_KIND_VIRTUAL_MODE7;
        case kModeL2TPTunnelOnly:
            return IDS_PROFILE_KIND_VIRTUAL_MODE8;
        case kModePPPoEInitiator:
            return IDS_PROFILE_KIND_VIRTUAL_MODE9;
        default:
            return IDS_PROFILE_KIND_L2TP_TERMINATOR;
    }
}

}  // namespace

CPointToPointProfileGeneralPage::CPointToPointProfileGeneralPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfilePage(IDD_PROFILE_GENERAL, pSheet) {}

int CPointToPointProfileGeneralPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_pSheet->GetTextAttribute(prf::kName, m_strName);
    result |= m_pSheet->GetTextAttribute(prf::kDescription, m_strDescription);
    if (m_pSheet->GetCapabilityB())
        result |= m_pSheet->GetIntAttribute(prf::kDialVariant, m_nDialVariant);
    if (m_pSheet->IsRelease050300())
        result |= m_pSheet->GetIntAttribute(prf::kAutoStart, m_nAutoStart);
    m_strLoadedDescription = m_strDescription;
    return result == 0 ? kPageOk : kPageFailed;
}

UINT CPointToPointProfileGeneralPage::KindText() const {
    const int mode = m_pSheet->GetMode();
    switch (m_pSheet->GetLineService()) {
        case kSwitchedLine:
            return SwitchedKindText(mode, m_pSheet->GetCapabilityB() ? m_nDialVariant : 0);
        case kNonswitchedLine:
            return mode == kModeDial ? IDS_PROFILE_KIND_LEASED_INITIATOR
                                     : IDS_PROFILE_KIND_LEASED_TERMINATOR;
        case kVirtualLine:
            return VirtualKindText(mode);
        default:
            return 0;
    }
}

ui::BOOL CPointToPointProfileGeneralPage::OnInitDialog() {
    (void)Load();
    CPointToPointProfilePage::OnInitDialog();
    Edit(IDC_PROFILE_NAME).SetLimitText(kNameLimit);
    Edit(IDC_PROFILE_DESCRIPTION).SetLimitText(kDescriptionLimit);
    SetDlgItemText(
        IDC_PROFILE_PROTOCOL_TEXT,
        ui::LoadText(m_pSheet->IsPPP() ? IDS_PROFILE_PROTOCOL_PPP : IDS_PROFILE_PROTOCOL_SLIP));
    const UINT kind = KindText();
    SetDlgItemText(IDC_PROFILE_KIND_TEXT, kind ? ui::LoadText(kind) : std::string());
    if (!m_pSheet->IsRelease050300()) {
        GetDlgItem(IDC_PROFILE_AUTOSTART)->ShowWindow(ui::SW_HIDE);
    }
    if (m_pSheet->IsKind(kVirtualLine, kModeL2TPTunnelOnly)) {
        GetDlgItem(IDC_PROFILE_AUTOSTART)->EnableWindow(ui::FALSE);
    }
    // The name is the profile's identity on the server: it is typed once.
    if (!m_pSheet->IsNew()) GetDlgItem(IDC_PROFILE_NAME)->EnableWindow(ui::FALSE);
    if (!m_pSheet->ChangesAllowed()) GetDlgItem(IDC_PROFILE_DESCRIPTION)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_PROFILE_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_PROFILE_DESCRIPTION, m_strDescription);
    ui::DDX_Check(pDX, IDC_PROFILE_AUTOSTART, m_nAutoStart);
}

UINT CPointToPointProfileGeneralPage::CheckNewName(bool all) {
    m_strName = config::ToUpper(config::Trim(m_strName));
    m_pSheet->SetNewProfileName(m_strName);
    if (all && m_strName.empty()) return IDS_PROFILE_NAME_REQUIRED;
    if (all && m_strName.find(' ') != std::string::npos) return IDS_PROFILE_NAME_BLANK;
    if (!m_strName.empty() && m_pSheet->ProfileNameExists(m_strName))
        return IDS_PROFILE_NAME_EXISTS;
    return 0;
}

void CPointToPointProfileGeneralPage::RefuseName(UINT message) {
    if (message == IDS_PROFILE_NAME_EXISTS) {
        ui::AfxMessageBox(message, {m_strName}, kProfileMessageStyle);
    } else {
        ui::AfxMessageBox(message, kProfileMessageStyle);
    }
    GotoDlgCtrl(GetDlgItem(IDC_PROFILE_NAME));
}

ui::BOOL CPointToPointProfileGeneralPage::OnKillActive() {
    if (!CPointToPointProfilePage::OnKillActive()) return ui::FALSE;
    if (!m_pSheet->IsNew()) return ui::TRUE;
    const UINT message = CheckNewName(m_pSheet->IsL2TP() || m_pSheet->IsPPPoE());
    SetDlgItemText(IDC_PROFILE_NAME, m_strName);
    if (message == 0) return ui::TRUE;
    RefuseName(message);
    return ui::FALSE;
}

int CPointToPointProfileGeneralPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
    } else if (!UpdateData(ui::TRUE)) {
        return kPageFailed;
    }
    if (m_pSheet->IsNew()) {
        const UINT message = CheckNewName(true);
        if (message != 0) {
            GetSheet()->SetActivePage(this);
            RefuseName(message);
            return kPageFailed;
        }
    }
    m_pSheet->SetTextAttribute(prf::kDescription, m_strDescription);
    if (m_pSheet->IsNew()) {
        m_pSheet->SetTextAttribute(prf::kName, m_strName);
        m_pSheet->SetIntAttribute(prf::kLineService, m_pSheet->GetLineService());
        m_pSheet->SetIntAttribute(prf::kMode, m_pSheet->GetMode());
    }
    if (m_pSheet->IsNew() || m_pSheet->IsMigration())
        m_pSheet->SetIntAttribute(prf::kProtocol, m_pSheet->GetProtocol());
    if (m_pSheet->IsRelease050300()) m_pSheet->SetIntAttribute(prf::kAutoStart, m_nAutoStart);
    return kPageOk;
}

ui::BOOL CPointToPointProfileGeneralPage::OnApply() {
    ui::CWaitCursor wait;
    return m_pSheet->Commit() == kPageOk ? ui::TRUE : ui::FALSE;
}

void CPointToPointProfileGeneralPage::OnCancel() {
    m_pSheet->Discard();
}

}  // namespace ptp::profiles
