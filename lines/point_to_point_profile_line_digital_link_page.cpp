#include "lines/point_to_point_profile_line_digital_link_page.h"

#include <sstream>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_digital.h"
#include "resources/ids/lines.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace value = code::line_value;

}  // namespace

CPointToPointProfileLineDigitalLinkPage::CPointToPointProfileLineDigitalLinkPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_DLINE_LINK, pSheet) {}

void CPointToPointProfileLineDigitalLinkPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_strSpeed = m_pSheet->GetLineText(ln::kLineSpeed, m_strSpeed);
    m_strMaxFrame = m_pSheet->GetLineText(ln::kMaxFrame, m_strMaxFrame);
    m_strQueue = m_pSheet->GetLineText(ln::kMessageQueue, m_strQueue);
    m_strQueueLibrary = m_pSheet->GetLineText(ln::kMessageQueueLibrary);
}

ui::BOOL CPointToPointProfileLineDigitalLinkPage::OnInitDialog() {
    EnsureLoaded();
    ui::CComboBox& speeds = ComboBox(IDC_DLINE_SPEED);
    std::istringstream words(ui::LoadText(IDS_LINE_SPEEDS_SYNC) + " 115200");
    for (std::string speed; words >> speed;) {
        if (speeds.FindStringExact(-1, speed) < 0) speeds.AddString(speed);
    }
    if (speeds.FindStringExact(-1, m_strSpeed) < 0) speeds.AddString(m_strSpeed);
    ui::CComboBox& queues = ComboBox(IDC_DLINE_MSGQ);
    queues.AddString(std::string(value::kSystemValue));
    queues.AddString(std::string(value::kSystemOperator));
    CDigitalLinePage::OnInitDialog();
    return ui::TRUE;
}

void CPointToPointProfileLineDigitalLinkPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_DLINE_SPEED, m_strSpeed);
    ui::DDX_Text(pDX, IDC_DLINE_MAX_FRAME, m_strMaxFrame);
    ui::DDX_CBString(pDX, IDC_DLINE_MSGQ, m_strQueue);
    ui::DDX_Text(pDX, IDC_DLINE_MSGQ_LIBRARY, m_strQueueLibrary);
}

bool CPointToPointProfileLineDigitalLinkPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (!CheckRange(m_strMaxFrame, 1000, 4096, IDC_DLINE_MAX_FRAME)) return false;
    if (IsValidMessageQueue(m_strQueue, m_strQueueLibrary)) return true;
    ShowProblem(IDS_DLINE_MSGQ_INVALID, IDC_DLINE_MSGQ);
    return false;
}

void CPointToPointProfileLineDigitalLinkPage::Collect(CDigitalLineValues& values) {
    values.strLineSpeed = m_strSpeed;
    values.strMaxFrame = m_strMaxFrame;
    values.strMessageQueue = MessageQueueValue(m_strQueue, m_strQueueLibrary);
}

void CPointToPointProfileLineDigitalLinkPage::Store() {
    m_pSheet->SetLineText(ln::kLineSpeed, m_strSpeed);
    m_pSheet->SetLineText(ln::kMaxFrame, m_strMaxFrame);
    m_pSheet->SetLineText(ln::kMessageQueue, config::ToUpper(config::Trim(m_strQueue)));
    m_pSheet->SetLineText(ln::kMessageQueueLibrary,
                          MessageQueueLibraryAttribute(m_strQueue, m_strQueueLibrary));
}

}  // namespace ptp::lines
