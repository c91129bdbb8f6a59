#include "nwi/point_to_point_isdn_nwi_parms_page.h"

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "nwi/nwi_choices.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

namespace nw = attr::network_interface;

constexpr std::array<CNwiChoice, 2> kSetups = {
    {{"*NONE", IDS_NWI_NETTYPE_DEFAULT}, {"*NOLLCIE", IDS_NWI_NO_LLC}}};
constexpr std::array<CNwiChoice, 4> kReactivations = {{{"*NETTYPE", IDS_NWI_REACT_NETTYPE},
                                                       {"*NONE", IDS_NWI_REACT_NONE},
                                                       {"*WAIT", IDS_NWI_REACT_WAIT},
                                                       {"", IDS_NWI_REACT_VALUE}}};
constexpr int kReactivationNone = 1;
constexpr int kReactivationSeconds = 3;

}  // namespace

CPointToPointIsdnNwiParmsPage::CPointToPointIsdnNwiParmsPage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_NWI_PARMS, pSheet) {
    OnChanged(IDC_NWI_REACTTMR, [this] { UpdateControls(); });
    OnClicked(IDC_NWI_RECOVERY_SPECIFIC, [this] { UpdateControls(); });
}

void CPointToPointIsdnNwiParmsPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    const std::string reactivation = m_pSheet->GetText(nw::kReactivationTimer);
    m_nReactivation = ChoiceIndex(kReactivations.data(), kReactivationSeconds, reactivation, -1);
    if (lines::IsNumberInRange(reactivation, 10, 1800)) {
        m_nReactivation = kReactivationSeconds;
        m_strReactivation = reactivation;
    }
    const std::string activation = m_pSheet->GetText(nw::kActivationTimer);
    if (lines::IsNumberInRange(activation, 10, 300)) m_strActivation = activation;
    m_nSetup = ChoiceIndex(kSetups, m_pSheet->GetText(nw::kSetupDifference), -1);
    const std::string count = m_pSheet->GetText(nw::kRecoveryCount);
    m_nSpecific = lines::IsNumberInRange(count, 0, 99) ? 1 : 0;
    if (m_nSpecific == 1) {
        m_strRecoveryCount = count;
        m_strRecoveryInterval = m_pSheet->GetText(nw::kRecoveryInterval);
    }
}

ui::BOOL CPointToPointIsdnNwiParmsPage::OnInitDialog() {
    FillChoices(ComboBox(IDC_NWI_SETUPDIF), kSetups);
    FillChoices(ComboBox(IDC_NWI_REACTTMR), kReactivations);
    CNwiPage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointIsdnNwiParmsPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBIndex(pDX, IDC_NWI_SETUPDIF, m_nSetup);
    ui::DDX_CBIndex(pDX, IDC_NWI_REACTTMR, m_nReactivation);
    ui::DDX_Text(pDX, IDC_NWI_REACTTMR_VALUE, m_strReactivation);
    ui::DDX_Text(pDX, IDC_NWI_ACTTMR, m_strActivation);
    ui::DDX_Check(pDX, IDC_NWI_RECOVERY_SPECIFIC, m_nSpecific);
    ui::DDX_Text(pDX, IDC_NWI_RECOVERY_COUNT, m_strRecoveryCount);
    ui::DDX_Text(pDX, IDC_NWI_RECOVERY_INTERVAL, m_strRecoveryInterval);
}

// The activation timer and the setup choice apply only without reactivation.
void CPointToPointIsdnNwiParmsPage::UpdateControls() {
    const int reactivation = ComboBox(IDC_NWI_REACTTMR).GetCurSel();
    const bool specific = IsDlgButtonChecked(IDC_NWI_RECOVERY_SPECIFIC) == ui::BST_CHECKED;
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_NWI_REACTTMR_VALUE, reactivation == kReactivationSeconds);
    enable(IDC_NWI_ACTTMR, reactivation == kReactivationNone);
    enable(IDC_NWI_SETUPDIF, reactivation == kReactivationNone);
    enable(IDC_NWI_RECOVERY_COUNT, specific);
    enable(IDC_NWI_RECOVERY_INTERVAL, specific);
}

bool CPointToPointIsdnNwiParmsPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_nReactivation == kReactivationSeconds &&
        !CheckRange(m_strReactivation, 10, 1800, IDC_NWI_REACTTMR_VALUE))
        return false;
    if (m_nReactivation == kReactivationNone &&
        !CheckRange(m_strActivation, 10, 300, IDC_NWI_ACTTMR))
        return false;
    if (m_nSpecific == 0) return true;
    return CheckRange(m_strRecoveryCount, 0, 99, IDC_NWI_RECOVERY_COUNT) &&
           CheckRange(m_strRecoveryInterval, 0, 120, IDC_NWI_RECOVERY_INTERVAL);
}

void CPointToPointIsdnNwiParmsPage::Collect(CNwiCommandValues& values) {
    const bool none = m_nReactivation == kReactivationNone;
    values.strReactivationTimer = m_nReactivation == kReactivationSeconds
                                      ? m_strReactivation
                                      : ChoiceValue(kReactivations, m_nReactivation, 0);
    values.strSetupDifference = none && m_nSetup == 1 ? "*NOLLCIE" : "*NONE";
    values.strActivationTimer = none ? m_strActivation : "*NETTYPE";
    values.strRecoveryCount = m_nSpecific == 1 ? m_strRecoveryCount : "*SYSVAL";
    values.strRecoveryInterval = m_nSpecific == 1 ? m_strRecoveryInterval : std::string();
}

}  // namespace ptp::nwi
