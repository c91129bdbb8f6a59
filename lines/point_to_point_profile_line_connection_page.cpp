#include "lines/point_to_point_profile_line_connection_page.h"

#include <array>
#include <utility>

#include "config/config_text.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace ln = attr::line;
namespace dial = code::line_dial_command;
namespace swt = code::line_switched_connection;
namespace value = code::line_value;

constexpr std::array<std::pair<std::string_view, UINT>, 3> kDialCommands = {{
    {dial::kNone, IDS_LINE_DIAL_NONE},
    {dial::kV25bis, IDS_LINE_DIAL_V25BIS},
    {dial::kATCommand, IDS_LINE_DIAL_AT_COMMANDS},
}};

// The radio buttons' order.
constexpr std::array<std::string_view, 3> kSwitchedConnections = {swt::kAnswer, swt::kDial,
                                                                  swt::kBoth};

constexpr long kMinClearToSend = 10;
constexpr long kMaxClearToSend = 60;
constexpr long kMinInactivity = 15;
constexpr long kMaxInactivity = 65535;
constexpr long kMinRemoteAnswer = 30;
constexpr long kMaxRemoteAnswer = 120;
constexpr std::string_view kDefaultInactivity = "15";

}  // namespace

CPointToPointProfileLineConnectionPage::CPointToPointProfileLineConnectionPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_CONNECTION, pSheet) {
    OnChanged(IDC_LINE_DIAL_COMMAND, [this] { OnDialCommandChanged(); });
    for (int id : {IDC_LINE_SWTCNN_ANSWER, IDC_LINE_SWTCNN_DIAL, IDC_LINE_SWTCNN_BOTH,
                   IDC_LINE_MODEM_ASYNC, IDC_LINE_INACTIVITY}) {
        OnClicked(id, [this] {
            UpdateData(ui::TRUE);
            UpdateControls();
        });
    }
}

void CPointToPointProfileLineConnectionPage::Load() {
    if (m_pSheet->GetMode() == CPointToPointProfileLinePropertySheet::Mode::New) {
        // From the release that has them, a new line answers or dials as its profile does.
        const CLineProfileKind& profile = m_pSheet->GetParentProfile();
        if (!m_pSheet->IsRelease050200()) return;
        if (profile.IsSwitchedAnswer()) m_nSwitchedConnection = 0;
        if (profile.IsSwitchedDial() || profile.IsSwitchedDialVariant3() ||
            profile.IsSwitchedDialVariant4() || profile.IsSwitchedDialOnDemand())
            m_nSwitchedConnection = 1;
        return;
    }
    const std::string switched = m_pSheet->GetLineText(ln::kSwitchedConnection);
    for (std::size_t i = 0; i < kSwitchedConnections.size(); ++i) {
        if (config::EqualsNoCase(switched, kSwitchedConnections[i]))
            m_nSwitchedConnection = static_cast<int>(i);
    }
    for (const auto& [command, text] : kDialCommands) {
        if (config::EqualsNoCase(m_pSheet->GetLineText(ln::kDialCommand), command))
            m_strDialCommand = std::string(command);
    }
    const std::string modemAsync = m_pSheet->GetLineText(ln::kModemAsyncCommand);
    m_nModemAsync = !modemAsync.empty() && !config::EqualsNoCase(modemAsync, value::kNone);
    m_strModemAsyncCommand = m_nModemAsync ? modemAsync : std::string();
    m_nFlowControl = config::EqualsNoCase(m_pSheet->GetLineText(ln::kFlowControl, value::kHardware),
                                          value::kHardware);
    m_strClearToSendTimer = m_pSheet->GetLineText(ln::kClearToSendTimer, m_strClearToSendTimer);
    const std::string inactivity = m_pSheet->GetLineText(ln::kInactivityTimer);
    m_nInactivity = !inactivity.empty() && !config::EqualsNoCase(inactivity, value::kNoMax);
    m_strInactivityTimer = m_nInactivity ? inactivity : std::string(kDefaultInactivity);
    m_strRemoteAnswerTimer = m_pSheet->GetLineText(ln::kRemoteAnswerTimer, m_strRemoteAnswerTimer);
}

ui::BOOL CPointToPointProfileLineConnectionPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    ui::CComboBox& list = ComboBox(IDC_LINE_DIAL_COMMAND);
    for (const auto& [command, text] : kDialCommands)
        list.AddString(ui::LoadText(text));
    return ui::TRUE;
}

ui::BOOL CPointToPointProfileLineConnectionPage::OnSetActive() {
    // The framing and the port chosen on the general page decide the default and what applies.
    const std::string command = GetDialCommand();
    for (std::size_t i = 0; i < kDialCommands.size(); ++i) {
        if (config::EqualsNoCase(command, kDialCommands[i].first))
            ComboBox(IDC_LINE_DIAL_COMMAND).SetCurSel(static_cast<int>(i));
    }
    UpdateControls();
    return CPointToPointProfileLinePage::OnSetActive();
}

void CPointToPointProfileLineConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_LINE_SWTCNN_ANSWER, m_nSwitchedConnection);
    ui::DDX_Check(pDX, IDC_LINE_MODEM_ASYNC, m_nModemAsync);
    ui::DDX_Text(pDX, IDC_LINE_MODEM_ASYNC_COMMAND, m_strModemAsyncCommand);
    ui::DDX_Check(pDX, IDC_LINE_FLOW_CONTROL, m_nFlowControl);
    ui::DDX_Text(pDX, IDC_LINE_CTS_TIMER, m_strClearToSendTimer);
    ui::DDX_Check(pDX, IDC_LINE_INACTIVITY, m_nInactivity);
    ui::DDX_Text(pDX, IDC_LINE_INACTIVITY_TIMER, m_strInactivityTimer);
    ui::DDX_Text(pDX, IDC_LINE_REMOTE_ANSWER_TIMER, m_strRemoteAnswerTimer);
}

void CPointToPointProfileLineConnectionPage::OnDialCommandChanged() {
    const int selected = ComboBox(IDC_LINE_DIAL_COMMAND).GetCurSel();
    if (selected >= 0 && selected < static_cast<int>(kDialCommands.size()))
        m_strDialCommand = std::string(kDialCommands[selected].first);
    UpdateData(ui::TRUE);
    UpdateControls();
}

std::string CPointToPointProfileLineConnectionPage::GetDialCommand() const {
    if (!m_strDialCommand.empty()) return m_strDialCommand;
    const CLineProfileKind& profile = m_pSheet->GetParentProfile();
    if (!profile.IsSwitchedDial() && !profile.IsSwitchedAnswer()) return std::string(dial::kNone);
    return std::string(m_pSheet->General().IsAsync() ? dial::kATCommand : dial::kV25bis);
}

std::string CPointToPointProfileLineConnectionPage::GetSwitchedConnection() const {
    if (m_nSwitchedConnection < 0 ||
        m_nSwitchedConnection >= static_cast<int>(kSwitchedConnections.size()))
        return std::string(swt::kBoth);
    return std::string(kSwitchedConnections[m_nSwitchedConnection]);
}

bool CPointToPointProfileLineConnectionPage::ModemAsyncAllowed() const {
    if (!config::EqualsNoCase(GetDialCommand(), dial::kATCommand)) return false;
    const std::string switched = GetSwitchedConnection();
    return m_pSheet->GetCapabilityB() || config::EqualsNoCase(switched, swt::kDial) ||
           config::EqualsNoCase(switched, swt::kBoth);
}

void CPointToPointProfileLineConnectionPage::UpdateControls() {
    const CPointToPointProfileLineGeneralPage& general = m_pSheet->General();
    const bool changeable = m_pSheet->ChangesAllowed();
    const bool switched = changeable && general.IsSwitched();
    for (int id : {IDC_LINE_SWTCNN_ANSWER, IDC_LINE_SWTCNN_DIAL, IDC_LINE_SWTCNN_BOTH,
                   IDC_LINE_DIAL_COMMAND, IDC_LINE_INACTIVITY})
        GetDlgItem(id)->EnableWindow(switched);
    // The fields that depend on the dial command go off first; the command turns its own on.
    const bool modemAsync = switched && ModemAsyncAllowed();
    Button(IDC_LINE_MODEM_ASYNC).EnableWindow(modemAsync);
    Edit(IDC_LINE_MODEM_ASYNC_COMMAND).EnableWindow(modemAsync && m_nModemAsync);
    Edit(IDC_LINE_REMOTE_ANSWER_TIMER)
        .EnableWindow(switched && config::EqualsNoCase(GetDialCommand(), dial::kV25bis));
    Edit(IDC_LINE_INACTIVITY_TIMER).EnableWindow(switched && m_nInactivity);
    Button(IDC_LINE_FLOW_CONTROL).EnableWindow(changeable && general.IsAsync());
    Edit(IDC_LINE_CTS_TIMER).EnableWindow(changeable && !general.IsInternalModem());
}

bool CPointToPointProfileLineConnectionPage::Validate() {
    EnsureLoaded();
    const CPointToPointProfileLineGeneralPage& general = m_pSheet->General();
    if (m_pSheet->IsNewMode() && general.IsSwitched() && general.IsSync() &&
        config::EqualsNoCase(GetDialCommand(), dial::kATCommand)) {
        ShowProblem(IDS_LINE_SYNC_AT_COMMANDS, IDC_LINE_DIAL_COMMAND);
        return false;
    }
    if (!CheckRange(m_strClearToSendTimer, kMinClearToSend, kMaxClearToSend, IDC_LINE_CTS_TIMER))
        return false;
    if (m_nInactivity && !CheckRange(m_strInactivityTimer, kMinInactivity, kMaxInactivity,
                                     IDC_LINE_INACTIVITY_TIMER)) {
        m_strInactivityTimer = std::string(kDefaultInactivity);
        if (IsCreated()) SetDlgItemText(IDC_LINE_INACTIVITY_TIMER, m_strInactivityTimer);
        return false;
    }
    return CheckRange(m_strRemoteAnswerTimer, kMinRemoteAnswer, kMaxRemoteAnswer,
                      IDC_LINE_REMOTE_ANSWER_TIMER);
}

std::string CPointToPointProfileLineConnectionPage::ModemAsyncValue() const {
    const std::string_view command = config::Trim(m_strModemAsyncCommand);
    if (!m_nModemAsync || command.empty()) return std::string(value::kNone);
    return config::ToUpper(command);
}

std::string CPointToPointProfileLineConnectionPage::InactivityValue() const {
    return m_nInactivity ? m_strInactivityTimer : std::string(value::kNoMax);
}

void CPointToPointProfileLineConnectionPage::Collect(CLineCommandValues& values) {
    EnsureLoaded();
    values.strSwitchedConnection = GetSwitchedConnection();
    values.strDialCommand = GetDialCommand();
    values.strModemAsyncCommand = ModemAsyncValue();
    values.strFlowControl = std::string(m_nFlowControl ? value::kHardware : value::kNo);
    values.strClearToSendTimer = m_strClearToSendTimer;
    values.strInactivityTimer = InactivityValue();
    values.strRemoteAnswerTimer = m_strRemoteAnswerTimer;
}

void CPointToPointProfileLineConnectionPage::Store() {
    EnsureLoaded();
    const CPointToPointProfileLineGeneralPage& general = m_pSheet->General();
    const std::string command = GetDialCommand();
    m_pSheet->SetLineText(ln::kDialCommand, command);
    m_pSheet->SetLineText(ln::kSwitchedConnection, GetSwitchedConnection());
    if (ModemAsyncAllowed()) m_pSheet->SetLineText(ln::kModemAsyncCommand, ModemAsyncValue());
    m_pSheet->SetLineText(ln::kInactivityTimer, InactivityValue());
    if (config::EqualsNoCase(command, dial::kV25bis))
        m_pSheet->SetLineInt(ln::kRemoteAnswerTimer, config::TextToInt(m_strRemoteAnswerTimer));
    if (general.IsAsync())
        m_pSheet->SetLineText(ln::kFlowControl, m_nFlowControl ? value::kHardware : value::kNo);
    if (!general.IsInternalModem())
        m_pSheet->SetLineInt(ln::kClearToSendTimer, config::TextToInt(m_strClearToSendTimer));
}

}  // namespace ptp::lines
