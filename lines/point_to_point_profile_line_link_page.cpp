#include "lines/point_to_point_profile_line_link_page.h"

#include <array>
#include <utility>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace ln = attr::line;
namespace ifc = code::line_interface;
namespace value = code::line_value;

constexpr std::array<std::pair<std::string_view, UINT>, 3> kClocks = {{
    {code::line_clock::kModem, IDS_LINE_CLOCK_MODEM},
    {code::line_clock::kLoop, IDS_LINE_CLOCK_LOOP},
    {code::line_clock::kInvert, IDS_LINE_CLOCK_INVERT},
}};

// The two message queues the list offers, in list order.
constexpr std::array<std::pair<std::string_view, UINT>, 2> kSpecialQueues = {{
    {value::kSystemValue, IDS_LINE_MSGQ_SYSVAL},
    {value::kSystemOperator, IDS_LINE_MSGQ_SYSOPR},
}};

// Asynchronous lines on these interfaces run faster than the usual speeds.
constexpr std::array<std::string_view, 2> kFastAsyncSpeeds = {"157600", "230400"};

constexpr long kMinSpeed = 50;
constexpr long kMaxSpeed = 2048000;
constexpr long kMinFrame = 1000;
constexpr long kMaxFrame = 4096;
constexpr std::size_t kMaxNameLength = 10;

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string_view rest = text;
    for (std::string_view word = config::NextWord(rest); !word.empty();
         word = config::NextWord(rest))
        words.emplace_back(word);
    return words;
}

}  // namespace

CPointToPointProfileLineLinkPage::CPointToPointProfileLineLinkPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_LINK, pSheet) {
    OnChanged(IDC_LINE_MSGQ, [this] { OnQueueChanged(); });
}

void CPointToPointProfileLineLinkPage::Load() {
    m_strQueue = ui::LoadText(kSpecialQueues[0].second);
    if (m_pSheet->GetMode() == CPointToPointProfileLinePropertySheet::Mode::New) return;
    // An attribute the line does not carry keeps the initial value.
    m_strLineSpeed = m_pSheet->GetLineText(ln::kLineSpeed, m_strLineSpeed);
    m_strMaxFrame = m_pSheet->GetLineText(ln::kMaxFrame, m_strMaxFrame);
    m_nNrzi = config::EqualsNoCase(m_pSheet->GetLineText(ln::kNrzi), value::kYes);
    const std::string clock = m_pSheet->GetLineText(ln::kClock);
    for (std::size_t i = 0; i < kClocks.size(); ++i) {
        if (config::EqualsNoCase(clock, kClocks[i].first)) m_nClock = static_cast<int>(i);
    }
    const std::string queue = m_pSheet->GetLineText(ln::kMessageQueue);
    m_strQueue = queue;
    for (const auto& [special, text] : kSpecialQueues) {
        if (config::EqualsNoCase(queue, special)) m_strQueue = ui::LoadText(text);
    }
    if (queue.empty()) m_strQueue = ui::LoadText(kSpecialQueues[0].second);
    m_strLibrary = m_pSheet->GetLineText(ln::kMessageQueueLibrary);
}

std::vector<std::string> CPointToPointProfileLineLinkPage::Speeds() const {
    const CPointToPointProfileLineGeneralPage& general = m_pSheet->General();
    if (general.IsSync()) return Words(ui::LoadText(IDS_LINE_SPEEDS_SYNC));
    std::vector<std::string> speeds = Words(ui::LoadText(IDS_LINE_SPEEDS_ASYNC));
    const std::string& interface = general.GetInterface();
    if (config::EqualsNoCase(interface, ifc::kV35) ||
        config::EqualsNoCase(interface, ifc::kRS449V36)) {
        for (const std::string_view speed : kFastAsyncSpeeds)
            speeds.emplace_back(speed);
    }
    return speeds;
}

ui::BOOL CPointToPointProfileLineLinkPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    ui::CComboBox& clocks = ComboBox(IDC_LINE_CLOCK);
    for (const auto& [clock, text] : kClocks)
        clocks.AddString(ui::LoadText(text));
    clocks.SetCurSel(m_nClock);
    ui::CComboBox& queues = ComboBox(IDC_LINE_MSGQ);
    for (const auto& [queue, text] : kSpecialQueues)
        queues.AddString(ui::LoadText(text));
    queues.SetWindowText(m_strQueue);
    return ui::TRUE;
}

ui::BOOL CPointToPointProfileLineLinkPage::OnSetActive() {
    FillSpeeds();
    UpdateControls();
    return CPointToPointProfileLinePage::OnSetActive();
}

void CPointToPointProfileLineLinkPage::FillSpeeds() {
    ui::CComboBox& list = ComboBox(IDC_LINE_SPEED);
    list.ResetContent();
    for (const std::string& speed : Speeds())
        list.AddString(speed);
    // A line keeps a speed set elsewhere even when this framing's list lacks it.
    if (!m_strLineSpeed.empty() && list.FindStringExact(-1, m_strLineSpeed) < 0)
        list.AddString(m_strLineSpeed);
    list.SetCurSel(list.FindStringExact(-1, m_strLineSpeed));
}

void CPointToPointProfileLineLinkPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_LINE_SPEED, m_strLineSpeed);
    ui::DDX_Text(pDX, IDC_LINE_MAX_FRAME, m_strMaxFrame);
    ui::DDX_Check(pDX, IDC_LINE_NRZI, m_nNrzi);
    ui::DDX_CBIndex(pDX, IDC_LINE_CLOCK, m_nClock);
    ui::DDX_CBString(pDX, IDC_LINE_MSGQ, m_strQueue);
    ui::DDX_Text(pDX, IDC_LINE_MSGQ_LIBRARY, m_strLibrary);
}

void CPointToPointProfileLineLinkPage::OnQueueChanged() {
    m_strQueue = ComboBox(IDC_LINE_MSGQ).GetWindowText();
    UpdateControls();
}

std::string CPointToPointProfileLineLinkPage::SpecialQueue() const {
    const std::string_view queue = config::Trim(m_strQueue);
    for (const auto& [special, text] : kSpecialQueues) {
        if (config::EqualsNoCase(queue, special) || queue == ui::LoadText(text))
            return std::string(special);
    }
    return {};
}

bool CPointToPointProfileLineLinkPage::UsesClock() const {
    const std::string& interface = m_pSheet->General().GetInterface();
    return config::EqualsNoCase(interface, ifc::kV35) ||
           config::EqualsNoCase(interface, ifc::kX21) ||
           config::EqualsNoCase(interface, ifc::kRS449V36);
}

std::string CPointToPointProfileLineLinkPage::ClockValue() const {
    const bool chosen = m_nClock >= 0 && m_nClock < static_cast<int>(kClocks.size());
    return std::string(kClocks[chosen ? m_nClock : 0].first);
}

void CPointToPointProfileLineLinkPage::UpdateControls() {
    const bool changeable = m_pSheet->ChangesAllowed();
    Button(IDC_LINE_NRZI).EnableWindow(changeable && m_pSheet->General().IsSync());
    ComboBox(IDC_LINE_CLOCK).EnableWindow(changeable && UsesClock());
    Edit(IDC_LINE_MSGQ_LIBRARY).EnableWindow(changeable && SpecialQueue().empty());
}

bool CPointToPointProfileLineLinkPage::Validate() {
    EnsureLoaded();
    if (m_pSheet->IsNewMode() && !IsNumberInRange(m_strLineSpeed, kMinSpeed, kMaxSpeed)) {
        ShowProblem(IDS_LINE_SPEED_INVALID, IDC_LINE_SPEED);
        return false;
    }
    if (!CheckRange(m_strMaxFrame, kMinFrame, kMaxFrame, IDC_LINE_MAX_FRAME)) return false;
    if (!m_pSheet->GetCapabilityA()) return true;
    const std::string_view queue = config::Trim(m_strQueue);
    if (queue.empty()) {
        ShowProblem(IDS_LINE_MSGQ_REQUIRED, IDC_LINE_MSGQ);
        return false;
    }
    const bool special = !SpecialQueue().empty();
    if (!special && (queue.size() > kMaxNameLength || HasBlank(queue))) {
        ShowProblem(IDS_LINE_MSGQ_INVALID, IDC_LINE_MSGQ);
        return false;
    }
    if (special) return true;
    const std::string_view library = config::Trim(m_strLibrary);
    if (library.empty()) {
        ShowProblem(IDS_LINE_MSGQ_LIBRARY_REQUIRED, IDC_LINE_MSGQ_LIBRARY);
        return false;
    }
    if (library.size() > kMaxNameLength || HasBlank(library)) {
        ShowProblem(IDS_LINE_MSGQ_LIBRARY_INVALID, IDC_LINE_MSGQ_LIBRARY);
        return false;
    }
    return true;
}

void CPointToPointProfileLineLinkPage::Collect(CLineCommandValues& values) {
    EnsureLoaded();
    values.strLineSpeed = m_strLineSpeed;
    values.strMaxFrame = m_strMaxFrame;
    values.strNrzi = std::string(m_nNrzi ? value::kYes : value::kNo);
    values.strClock = ClockValue();
    const std::string special = SpecialQueue();
    values.strMessageQueue =
        special.empty() ? MessageQueueValue(m_strQueue, m_strLibrary) : special;
    values.bMessageQueue = m_pSheet->GetCapabilityA();
}

void CPointToPointProfileLineLinkPage::Store() {
    EnsureLoaded();
    m_pSheet->SetLineText(ln::kLineSpeed, m_strLineSpeed);
    m_pSheet->SetLineInt(ln::kMaxFrame, config::TextToInt(m_strMaxFrame));
    if (m_pSheet->General().IsSync())
        m_pSheet->SetLineText(ln::kNrzi, m_nNrzi ? value::kYes : value::kNo);
    if (UsesClock()) m_pSheet->SetLineText(ln::kClock, ClockValue());
    if (!m_pSheet->GetCapabilityA()) return;
    const std::string special = SpecialQueue();
    if (!special.empty()) {
        m_pSheet->SetLineText(ln::kMessageQueue, special);
        return;
    }
    m_pSheet->SetLineText(ln::kMessageQueue, config::Trim(m_strQueue));
    m_pSheet->SetLineText(ln::kMessageQueueLibrary, config::Trim(m_strLibrary));
}

}  // namespace ptp::lines
