#include "lines/point_to_point_profile_line_ethernet_general_page.h"

#include "config/config_text.h"
#include "lines/line_hardware.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_ethernet_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace value = code::line_value;

constexpr std::size_t kMaxNameLength = 10;

}  // namespace

CPointToPointProfileLineEthernetGeneralPage::CPointToPointProfileLineEthernetGeneralPage(
    CPointToPointProfileLineEthernetPropertySheet* pSheet)
    : CLinePageBase(IDD_ETH_LINE_GENERAL), m_pSheet(pSheet) {}

bool CPointToPointProfileLineEthernetGeneralPage::LoadServerData() {
    std::vector<CCommunicationPort> ports;
    if (!ReadCommunicationPorts(m_pSheet->GetSystemName(), ports, m_pSheet->GetSafeHwnd())) {
        ui::AfxMessageBox(IDS_VLINE_RESOURCES_UNAVAILABLE, kLineMessageStyle);
        return false;
    }
    for (const CCommunicationPort& port : ports) {
        if (IsEthernetAdapterType(port.strAdapterType)) m_ports.push_back(port.strName);
    }
    return true;
}

void CPointToPointProfileLineEthernetGeneralPage::Load() {
    if (m_pSheet->IsNewMode()) {
        m_strName = config::ToUpper(m_pSheet->GetProposedLineName());
        if (!m_ports.empty()) m_strResource = m_ports.front();
        return;
    }
    m_strName = m_pSheet->GetLineText(ln::kName);
    m_strDescription = DescriptionFromAttribute(m_pSheet->GetLineText(ln::kText));
    m_strResource = m_pSheet->GetLineText(ln::kResource);
    m_nOnline = config::EqualsNoCase(m_pSheet->GetLineText(ln::kOnline), value::kYes) ? 1 : 0;
}

ui::BOOL CPointToPointProfileLineEthernetGeneralPage::OnInitDialog() {
    EnsureLoaded();
    ui::CComboBox& ports = ComboBox(IDC_ETH_LINE_RESOURCE);
    for (const std::string& port : m_ports)
        ports.AddString(port);
    // A line whose port is gone keeps showing it.
    if (!m_strResource.empty() && ports.FindStringExact(-1, m_strResource) < 0)
        ports.AddString(m_strResource);
    CLinePageBase::OnInitDialog();
    const bool fixed = !m_pSheet->IsNewMode() || !m_pSheet->GetProposedLineName().empty();
    GetDlgItem(IDC_ETH_LINE_NAME)->EnableWindow(fixed ? ui::FALSE : ui::TRUE);
    return ui::TRUE;
}

void CPointToPointProfileLineEthernetGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_ETH_LINE_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_ETH_LINE_DESCRIPTION, m_strDescription);
    ui::DDX_CBString(pDX, IDC_ETH_LINE_RESOURCE, m_strResource);
    ui::DDX_Check(pDX, IDC_ETH_LINE_ONLINE, m_nOnline);
}

bool CPointToPointProfileLineEthernetGeneralPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strName = config::ToUpper(config::Trim(m_strName));
    if (m_strName.empty() || m_strName.size() > kMaxNameLength || HasBlank(m_strName)) {
        ShowProblem(IDS_VLINE_NAME_INVALID, IDC_ETH_LINE_NAME);
        return false;
    }
    if (!config::Trim(m_strResource).empty()) return true;
    ShowProblem(IDS_VLINE_PORT_REQUIRED, IDC_ETH_LINE_RESOURCE);
    return false;
}

void CPointToPointProfileLineEthernetGeneralPage::Collect(CEthernetLineValues& values) const {
    values.strLineName = m_strName;
    values.strResource = config::ToUpper(config::Trim(m_strResource));
    values.strText = DescriptionValue(m_strDescription);
    values.strOnline = std::string(m_nOnline == 1 ? value::kYes : value::kNo);
}

void CPointToPointProfileLineEthernetGeneralPage::Store() {
    const std::string description(config::Trim(m_strDescription));
    m_pSheet->SetLineText(ln::kText, description.empty() ? value::kBlank : description);
    m_pSheet->SetLineText(ln::kResource, config::ToUpper(config::Trim(m_strResource)));
    m_pSheet->SetLineText(ln::kOnline, m_nOnline == 1 ? value::kYes : value::kNo);
}

ui::BOOL CPointToPointProfileLineEthernetGeneralPage::OnApply() {
    ui::CWaitCursor wait;
    return m_pSheet->Commit() == 0 ? ui::TRUE : ui::FALSE;
}

}  // namespace ptp::lines
