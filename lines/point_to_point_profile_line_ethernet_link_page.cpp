#include "lines/point_to_point_profile_line_ethernet_link_page.h"

#include <array>

#include "config/config_text.h"
#include "lines/line_choice_list.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_ethernet_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace value = code::line_value;

// The values of each choice list, in the order its texts are shown.
constexpr std::array<std::string_view, 3> kStandards = {"*ETHV2", "*IEEE8023", "*ALL"};
constexpr std::array<std::string_view, 4> kSpeeds = {"10M", "100M", "1G", "*AUTO"};
constexpr std::array<std::string_view, 3> kDuplexes = {"*HALF", "*FULL", "*AUTO"};
constexpr std::array<UINT, 3> kStandardTexts = {IDS_ETH_STANDARD_V2, IDS_ETH_STANDARD_8023,
                                                IDS_ETH_STANDARD_ALL};
constexpr std::array<UINT, 4> kSpeedTexts = {IDS_ETH_SPEED_10M, IDS_ETH_SPEED_100M,
                                             IDS_ETH_SPEED_1G, IDS_ETH_SPEED_AUTO};
constexpr std::array<UINT, 3> kDuplexTexts = {IDS_ETH_DUPLEX_HALF, IDS_ETH_DUPLEX_FULL,
                                              IDS_ETH_DUPLEX_AUTO};
}  // namespace

CPointToPointProfileLineEthernetLinkPage::CPointToPointProfileLineEthernetLinkPage(
    CPointToPointProfileLineEthernetPropertySheet* pSheet)
    : CLinePageBase(IDD_ETH_LINE_LINK), m_pSheet(pSheet) {}

void CPointToPointProfileLineEthernetLinkPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_nStandard = ChoiceIndex(kStandards, m_pSheet->GetLineText(ln::kEthernetStandard), 0);
    m_nSpeed = ChoiceIndex(kSpeeds, m_pSheet->GetLineText(ln::kLineSpeed), 3);
    m_nDuplex = ChoiceIndex(kDuplexes, m_pSheet->GetLineText(ln::kDuplex), 0);
    m_strQueue = m_pSheet->GetLineText(ln::kMessageQueue);
    m_strQueueLibrary = m_pSheet->GetLineText(ln::kMessageQueueLibrary);
    if (m_strQueue.empty()) m_strQueue = std::string(value::kSystemValue);
}

ui::BOOL CPointToPointProfileLineEthernetLinkPage::OnInitDialog() {
    FillChoices(ComboBox(IDC_ETH_LINE_STANDARD), kStandardTexts);
    FillChoices(ComboBox(IDC_ETH_LINE_SPEED), kSpeedTexts);
    FillChoices(ComboBox(IDC_ETH_LINE_DUPLEX), kDuplexTexts);
    ui::CComboBox& queues = ComboBox(IDC_ETH_LINE_MSGQ);
    queues.AddString(std::string(value::kSystemValue));
    queues.AddString(std::string(value::kSystemOperator));
    CLinePageBase::OnInitDialog();
    return ui::TRUE;
}

void CPointToPointProfileLineEthernetLinkPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBIndex(pDX, IDC_ETH_LINE_STANDARD, m_nStandard);
    ui::DDX_CBIndex(pDX, IDC_ETH_LINE_SPEED, m_nSpeed);
    ui::DDX_CBIndex(pDX, IDC_ETH_LINE_DUPLEX, m_nDuplex);
    ui::DDX_CBString(pDX, IDC_ETH_LINE_MSGQ, m_strQueue);
    ui::DDX_Text(pDX, IDC_ETH_LINE_MSGQ_LIBRARY, m_strQueueLibrary);
}

bool CPointToPointProfileLineEthernetLinkPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (IsValidMessageQueue(m_strQueue, m_strQueueLibrary)) return true;
    ShowProblem(IDS_VLINE_MSGQ_INVALID, IDC_ETH_LINE_MSGQ);
    return false;
}

std::string CPointToPointProfileLineEthernetLinkPage::QueueValue() const {
    return MessageQueueValue(m_strQueue, m_strQueueLibrary);
}

void CPointToPointProfileLineEthernetLinkPage::Collect(CEthernetLineValues& values) const {
    values.strStandard = ChoiceValue(kStandards, m_nStandard, 0);
    values.strSpeed = ChoiceValue(kSpeeds, m_nSpeed, 3);
    values.strDuplex = ChoiceValue(kDuplexes, m_nDuplex, 0);
    values.strQueue = QueueValue();
}

void CPointToPointProfileLineEthernetLinkPage::Store() {
    m_pSheet->SetLineText(ln::kEthernetStandard, ChoiceValue(kStandards, m_nStandard, 0));
    m_pSheet->SetLineText(ln::kLineSpeed, ChoiceValue(kSpeeds, m_nSpeed, 3));
    m_pSheet->SetLineText(ln::kDuplex, ChoiceValue(kDuplexes, m_nDuplex, 0));
    m_pSheet->SetLineText(ln::kMessageQueue, config::ToUpper(config::Trim(m_strQueue)));
    m_pSheet->SetLineText(ln::kMessageQueueLibrary,
                          MessageQueueLibraryAttribute(m_strQueue, m_strQueueLibrary));
}

}  // namespace ptp::lines
