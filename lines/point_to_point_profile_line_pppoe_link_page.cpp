#include "lines/point_to_point_profile_line_pppoe_link_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_ethernet_property_sheet.h"
#include "lines/point_to_point_profile_line_pppoe_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

CPointToPointProfileLinePPPoELinkPage::CPointToPointProfileLinePPPoELinkPage(
    CPointToPointProfileLinePPPoEPropertySheet* pSheet)
    : CVirtualLinePage(IDD_PPPOE_LINE_LINK, pSheet), m_pPPPoESheet(pSheet) {
    OnChanged(IDC_PPPOE_LINE_ETHERNET, [this] { UpdateButtons(); });
    OnClicked(IDC_PPPOE_LINE_ETHERNET_NEW, [this] { OnNewEthernetLine(); });
    OnClicked(IDC_PPPOE_LINE_ETHERNET_PROPERTIES, [this] { OnEthernetLineProperties(); });
}

void CPointToPointProfileLinePPPoELinkPage::Load() {
    if (!FillEthernetLines()) return;
    if (m_pSheet->IsNewMode()) return;
    m_strEthernetLine = m_pPPPoESheet->GetEthernetLine();
    m_strMaxFrame = m_pSheet->GetField(VirtualLineField::MaxFrame);
    m_nKeepAlive = m_pSheet->GetField(VirtualLineField::KeepAlive) == "1" ? 1 : 0;
}

bool CPointToPointProfileLinePPPoELinkPage::FillEthernetLines() {
    m_ethernetLines.clear();
    host::IHost* host = host::GetHost();
    host::SOFError* error = nullptr;
    auto list = host ? host->Objects().CreateList(kinds::kLine, host::kClientName,
                                                  m_pSheet->GetSystemName(),
                                                  code::line_type::kEthernet, &error)
                     : nullptr;
    if (list && !error && host::LoadList(*list, &error)) {
        const long count = list->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* line = list->ElementAt(index, &error);
            if (error || !line) break;
            const std::string name = line->GetAttributeText(attr::line::kName, &error);
            if (!error) m_ethernetLines.push_back(name);
        }
    }
    if (!error) return true;
    host::ShowAndDestroy(error, GetSafeHwnd());
    return false;
}

ui::BOOL CPointToPointProfileLinePPPoELinkPage::OnInitDialog() {
    CVirtualLinePage::OnInitDialog();
    ui::CComboBox& box = ComboBox(IDC_PPPOE_LINE_ETHERNET);
    box.ResetContent();
    for (const std::string& name : m_ethernetLines)
        box.AddString(name);
    box.SetWindowText(m_strEthernetLine);
    UpdateButtons();
    return ui::TRUE;
}

void CPointToPointProfileLinePPPoELinkPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_PPPOE_LINE_ETHERNET, m_strEthernetLine);
    ui::DDX_Text(pDX, IDC_PPPOE_LINE_MAX_FRAME, m_strMaxFrame);
    ui::DDX_Check(pDX, IDC_PPPOE_LINE_KEEP_ALIVE, m_nKeepAlive);
}

void CPointToPointProfileLinePPPoELinkPage::UpdateButtons() {
    ui::CComboBox& box = ComboBox(IDC_PPPOE_LINE_ETHERNET);
    const std::string typed(config::Trim(box.GetWindowText()));
    const int listed = typed.empty() ? -1 : box.FindStringExact(-1, typed);
    const bool changes = m_pSheet->ChangesAllowed();
    GetDlgItem(IDC_PPPOE_LINE_ETHERNET_NEW)
        ->EnableWindow(changes && !typed.empty() && listed < 0 ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_PPPOE_LINE_ETHERNET_PROPERTIES)
        ->EnableWindow(listed >= 0 ? ui::TRUE : ui::FALSE);
}

void CPointToPointProfileLinePPPoELinkPage::OpenEthernetSheet(const std::string& line, bool isNew) {
    CPointToPointProfileLineEthernetPropertySheet sheet("", GetSheet());
    sheet.SetSystemName(m_pSheet->GetSystemName());
    if (isNew) {
        sheet.SetProposedLineName(line);
    } else {
        sheet.SetExistingLineName(line);
    }
    sheet.SetChangesAllowed(m_pSheet->ChangesAllowed());
    const ui::INT_PTR result = sheet.DoModal();
    if (isNew ? !sheet.WasLineCreated() : result != ui::IDOK) return;
    const std::string typed = GetDlgItemText(IDC_PPPOE_LINE_ETHERNET);
    if (!FillEthernetLines()) return;
    ui::CComboBox& box = ComboBox(IDC_PPPOE_LINE_ETHERNET);
    box.ResetContent();
    for (const std::string& name : m_ethernetLines)
        box.AddString(name);
    box.SetWindowText(typed);
    UpdateButtons();
}

void CPointToPointProfileLinePPPoELinkPage::OnNewEthernetLine() {
    OpenEthernetSheet(config::ToUpper(config::Trim(GetDlgItemText(IDC_PPPOE_LINE_ETHERNET))), true);
}

void CPointToPointProfileLinePPPoELinkPage::OnEthernetLineProperties() {
    ui::CComboBox& box = ComboBox(IDC_PPPOE_LINE_ETHERNET);
    const int listed = box.FindStringExact(-1, config::Trim(box.GetWindowText()));
    if (listed >= 0) OpenEthernetSheet(box.GetLBText(listed), false);
}

bool CPointToPointProfileLinePPPoELinkPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strEthernetLine = std::string(config::Trim(m_strEthernetLine));
    if (m_strEthernetLine.empty()) {
        ShowProblem(IDS_VLINE_ETHERNET_REQUIRED, IDC_PPPOE_LINE_ETHERNET);
        return false;
    }
    const auto listed = std::find_if(
        m_ethernetLines.begin(), m_ethernetLines.end(),
        [this](const std::string& name) { return config::EqualsNoCase(name, m_strEthernetLine); });
    if (listed == m_ethernetLines.end()) {
        ShowProblem(IDS_VLINE_ETHERNET_NOT_LISTED, IDC_PPPOE_LINE_ETHERNET, {m_strEthernetLine});
        return false;
    }
    m_strEthernetLine = *listed;
    return CheckRange(m_strMaxFrame, 576, 1492, IDC_PPPOE_LINE_MAX_FRAME);
}

void CPointToPointProfileLinePPPoELinkPage::Store() {
    m_pPPPoESheet->SetEthernetLine(m_strEthernetLine);
    m_pSheet->SetField(VirtualLineField::MaxFrame, m_strMaxFrame);
    m_pSheet->SetField(VirtualLineField::KeepAlive, m_nKeepAlive == 1 ? "1" : "0");
}

}  // namespace ptp::lines
