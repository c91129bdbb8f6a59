#include "profiles/point_to_point_profile_dial_connection_advanced_dialog.h"

#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr int kFewestAttempts = 1;
constexpr int kMostAttempts = 10;
constexpr int kShortestDelay = 1;
constexpr int kLongestDelay = 60;

}  // namespace

CPointToPointProfileDialConnectionAdvancedDialog::CPointToPointProfileDialConnectionAdvancedDialog(
    CPointToPointProfilePropertySheet* pSheet, std::string_view displayName, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_DIAL_ADVANCED, pParent),
      m_pSheet(pSheet),
      m_strDisplayName(displayName) {}

bool CPointToPointProfileDialConnectionAdvancedDialog::HasRedialOnDrop() const {
    return m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kDial);
}

bool CPointToPointProfileDialConnectionAdvancedDialog::HasRedialTiming() const {
    return m_pSheet->GetCapabilityC() &&
           IsSwitchedDialMode(m_pSheet->GetLineService(), m_pSheet->GetMode());
}

int CPointToPointProfileDialConnectionAdvancedDialog::Load() {
    if (m_pSheet->IsNew()) return kPageOk;
    int result = 0;
    if (HasRedialOnDrop())
        result |= m_pSheet->GetIntAttribute(prf::kRedialOnDrop, m_values.nRedialOnDrop);
    if (HasRedialTiming()) {
        int attempts = 0;
        int delay = 0;
        result |= m_pSheet->GetIntAttribute(prf::kRedialAttempts, attempts);
        result |= m_pSheet->GetIntAttribute(prf::kRedialDelay, delay);
        // A profile made before these settings existed keeps the defaults.
        if (attempts >= kFewestAttempts) m_values.nRedialAttempts = attempts;
        if (delay >= kShortestDelay) m_values.nRedialDelay = delay;
    }
    result |= m_values.numericSetting.Load(*m_pSheet);
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileDialConnectionAdvancedDialog::OnInitDialog() {
    m_opened = m_values;
    CDialog::OnInitDialog();
    SetWindowText(ui::FormatResource(IDS_PROFILE_ADVANCED_CAPTION, {m_strDisplayName}));
    Spin(IDC_PROFILE_REDIAL_ATTEMPTS_SPIN).SetRange(kFewestAttempts, kMostAttempts);
    Spin(IDC_PROFILE_REDIAL_DELAY_SPIN).SetRange(kShortestDelay, kLongestDelay);
    if (!HasRedialOnDrop()) GetDlgItem(IDC_PROFILE_REDIAL_ON_DROP)->EnableWindow(ui::FALSE);
    if (!HasRedialTiming()) {
        for (int id : {IDC_PROFILE_REDIAL_ATTEMPTS, IDC_PROFILE_REDIAL_ATTEMPTS_SPIN,
                       IDC_PROFILE_REDIAL_DELAY, IDC_PROFILE_REDIAL_DELAY_SPIN})
            GetDlgItem(id)->EnableWindow(ui::FALSE);
    }
    if (!m_pSheet->ChangesAllowed()) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileDialConnectionAdvancedDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_PROFILE_REDIAL_ON_DROP, m_values.nRedialOnDrop);
    ui::DDX_Text(pDX, IDC_PROFILE_REDIAL_ATTEMPTS, m_values.nRedialAttempts);
    ui::DDV_MinMaxInt(pDX, m_values.nRedialAttempts, kFewestAttempts, kMostAttempts);
    ui::DDX_Text(pDX, IDC_PROFILE_REDIAL_DELAY, m_values.nRedialDelay);
    ui::DDV_MinMaxInt(pDX, m_values.nRedialDelay, kShortestDelay, kLongestDelay);
    m_values.numericSetting.Exchange(pDX, IDC_PROFILE_NUMERIC_SETTING);
}

void CPointToPointProfileDialConnectionAdvancedDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    EndDialog(ui::IDOK);
}

void CPointToPointProfileDialConnectionAdvancedDialog::OnCancel() {
    m_values = m_opened;
    CDialog::OnCancel();
}

int CPointToPointProfileDialConnectionAdvancedDialog::Store() {
    if (HasRedialOnDrop()) m_pSheet->SetIntAttribute(prf::kRedialOnDrop, m_values.nRedialOnDrop);
    if (HasRedialTiming()) {
        m_pSheet->SetIntAttribute(prf::kRedialAttempts, m_values.nRedialAttempts);
        m_pSheet->SetIntAttribute(prf::kRedialDelay, m_values.nRedialDelay);
    }
    m_values.numericSetting.Store(*m_pSheet);
    return kPageOk;
}

}  // namespace ptp::profiles
