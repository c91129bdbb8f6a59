#include "lines/point_to_point_profile_line_digital_connection_page.h"

#include <array>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_digital.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace value = code::line_value;
namespace swt = code::line_switched_connection;

constexpr std::array<std::string_view, 3> kConnections = {swt::kAnswer, swt::kDial, swt::kBoth};
constexpr std::string_view kCompress = "*STACLZS";

}  // namespace

CPointToPointProfileLineDigitalConnectionPage::CPointToPointProfileLineDigitalConnectionPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_DLINE_CONNECTION, pSheet) {
    for (int id : {IDC_DLINE_INACTIVITY_ON, IDC_DLINE_INIT_ON})
        OnClicked(id, [this] { UpdateControls(); });
}

// A new line answers, dials or both as its profile does.
void CPointToPointProfileLineDigitalConnectionPage::Load() {
    const CLineProfileKind& profile = m_pSheet->GetParentProfile();
    if (m_pSheet->IsNewMode()) {
        if (profile.IsSwitchedAnswer()) m_nSwitchedConnection = 0;
        if (profile.IsSwitchedDial() || profile.IsSwitchedDialVariant3() ||
            profile.IsSwitchedDialVariant4() || profile.IsSwitchedDialOnDemand())
            m_nSwitchedConnection = 1;
        return;
    }
    const std::string connection = m_pSheet->GetLineText(ln::kSwitchedConnection);
    for (std::size_t index = 0; index < kConnections.size(); ++index) {
        if (config::EqualsNoCase(connection, kConnections[index]))
            m_nSwitchedConnection = static_cast<int>(index);
    }
    const std::string inactivity = m_pSheet->GetLineText(ln::kInactivityTimer);
    m_nInactivityOn = IsNumberInRange(inactivity, 15, 65535) ? 1 : 0;
    if (m_nInactivityOn == 1) m_strInactivity = inactivity;
    const std::string init = m_pSheet->GetLineText(ln::kModemInitCommand);
    m_nInitOn = !init.empty() && !config::EqualsNoCase(init, value::kNone) ? 1 : 0;
    if (m_nInitOn == 1) m_strInitCommand = init;
    m_nCompress = config::EqualsNoCase(m_pSheet->GetLineText(ln::kCompression), kCompress) ? 1 : 0;
}

ui::BOOL CPointToPointProfileLineDigitalConnectionPage::OnInitDialog() {
    CDigitalLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineDigitalConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_DLINE_ANSWER, m_nSwitchedConnection);
    ui::DDX_Check(pDX, IDC_DLINE_INACTIVITY_ON, m_nInactivityOn);
    ui::DDX_Text(pDX, IDC_DLINE_INACTIVITY, m_strInactivity);
    ui::DDX_Check(pDX, IDC_DLINE_INIT_ON, m_nInitOn);
    ui::DDX_Text(pDX, IDC_DLINE_INIT_COMMAND, m_strInitCommand);
    ui::DDX_Check(pDX, IDC_DLINE_COMPRESS, m_nCompress);
}

void CPointToPointProfileLineDigitalConnectionPage::UpdateControls() {
    const bool switched = !m_pSheet->IsLeased();
    for (int id : {IDC_DLINE_ANSWER, IDC_DLINE_DIAL, IDC_DLINE_BOTH, IDC_DLINE_INACTIVITY_ON})
        GetDlgItem(id)->EnableWindow(switched ? ui::TRUE : ui::FALSE);
    const bool inactivity = IsDlgButtonChecked(IDC_DLINE_INACTIVITY_ON) == ui::BST_CHECKED;
    GetDlgItem(IDC_DLINE_INACTIVITY)->EnableWindow(switched && inactivity ? ui::TRUE : ui::FALSE);
    const bool init = IsDlgButtonChecked(IDC_DLINE_INIT_ON) == ui::BST_CHECKED;
    GetDlgItem(IDC_DLINE_INIT_COMMAND)->EnableWindow(init ? ui::TRUE : ui::FALSE);
}

bool CPointToPointProfileLineDigitalConnectionPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_nInactivityOn == 0 || m_pSheet->IsLeased()) return true;
    return CheckRange(m_strInactivity, 15, 65535, IDC_DLINE_INACTIVITY);
}

std::string CPointToPointProfileLineDigitalConnectionPage::SwitchedConnection() const {
    const bool chosen = m_nSwitchedConnection >= 0 && m_nSwitchedConnection < 3;
    return std::string(kConnections[chosen ? static_cast<std::size_t>(m_nSwitchedConnection) : 2]);
}

std::string CPointToPointProfileLineDigitalConnectionPage::InitCommandValue() const {
    const std::string command = config::ToUpper(config::Trim(m_strInitCommand));
    return m_nInitOn == 1 && !command.empty() ? command : std::string(value::kNone);
}

void CPointToPointProfileLineDigitalConnectionPage::Collect(CDigitalLineValues& values) {
    values.strSwitchedConnection = SwitchedConnection();
    values.strInactivityTimer = m_nInactivityOn == 1 ? m_strInactivity : std::string(value::kNoMax);
    values.strModemInitCommand = InitCommandValue();
    values.strCompression = std::string(m_nCompress == 1 ? kCompress : value::kNone);
}

void CPointToPointProfileLineDigitalConnectionPage::Store() {
    m_pSheet->SetLineText(ln::kModemInitCommand, InitCommandValue());
    m_pSheet->SetLineText(ln::kCompression, m_nCompress == 1 ? kCompress : value::kNone);
}

}  // namespace ptp::lines
