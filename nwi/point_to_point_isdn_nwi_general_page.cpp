#include "nwi/point_to_point_isdn_nwi_general_page.h"

#include "config/config_text.h"
#include "lines/line_hardware.h"
#include "lines/line_value_text.h"
#include "nwi/nwi_choices.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/line_digital.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

namespace nw = attr::network_interface;

constexpr std::array<CNwiChoice, 6> kNetworkTypes = {{{"*NETATR", IDS_NWI_NETATR},
                                                      {"*ATT", IDS_DLINE_SWITCH_ATT},
                                                      {"*ETSI", IDS_DLINE_SWITCH_ETSI},
                                                      {"*JAPAN", IDS_DLINE_SWITCH_JAPAN},
                                                      {"*NORTEL", IDS_DLINE_SWITCH_NORTEL},
                                                      {"*NISDN", IDS_DLINE_SWITCH_NISDN}}};
constexpr int kFirstSwitchType = 1;
constexpr std::size_t kMaxNameLength = 10;

}  // namespace

CPointToPointIsdnNwiGeneralPage::CPointToPointIsdnNwiGeneralPage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_NWI_GENERAL, pSheet) {}

bool CPointToPointIsdnNwiGeneralPage::LoadServerData() {
    std::vector<lines::CCommunicationPort> ports;
    if (!lines::ReadCommunicationPorts(m_pSheet->GetSystemName(), ports, m_pSheet->GetSafeHwnd())) {
        ui::AfxMessageBox(IDS_NWI_PORTS_UNAVAILABLE, lines::kLineMessageStyle);
        return false;
    }
    for (const lines::CCommunicationPort& port : ports) {
        if (lines::IsISDNAdapterType(port.strAdapterType)) m_ports.push_back(port.strName);
    }
    return true;
}

void CPointToPointIsdnNwiGeneralPage::Load() {
    if (m_pSheet->IsNewMode()) {
        m_strName = config::ToUpper(m_pSheet->GetProposedName());
        if (!m_ports.empty()) m_strResource = m_ports.front();
        return;
    }
    m_strName = m_pSheet->GetText(nw::kName);
    m_strDescription = lines::DescriptionFromAttribute(m_pSheet->GetText(nw::kText));
    m_strResource = m_pSheet->GetText(nw::kResource);
    m_nNetworkType = ChoiceIndex(kNetworkTypes, m_pSheet->GetText(nw::kNetworkType), -1);
    const std::string rate = m_pSheet->GetText(nw::kRate);
    m_nRate = config::EqualsNoCase(rate, "*PRIMARY") ? 1 : 0;
}

ui::BOOL CPointToPointIsdnNwiGeneralPage::OnInitDialog() {
    EnsureLoaded();
    ui::CComboBox& ports = ComboBox(IDC_NWI_RESOURCE);
    for (const std::string& port : m_ports)
        ports.AddString(port);
    if (!m_strResource.empty() && ports.FindStringExact(-1, m_strResource) < 0)
        ports.AddString(m_strResource);
    FillChoices(ComboBox(IDC_NWI_NETWORK_TYPE), kNetworkTypes);
    CNwiPage::OnInitDialog();
    const ui::BOOL creating = m_pSheet->IsNewMode() ? ui::TRUE : ui::FALSE;
    GetDlgItem(IDC_NWI_NAME)
        ->EnableWindow(m_pSheet->IsNewMode() && m_pSheet->GetProposedName().empty() ? ui::TRUE
                                                                                    : ui::FALSE);
    for (int id : {IDC_NWI_NETWORK_TYPE, IDC_NWI_RATE_BASIC, IDC_NWI_RATE_PRIMARY})
        GetDlgItem(id)->EnableWindow(creating);
    return ui::TRUE;
}

void CPointToPointIsdnNwiGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_NWI_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_NWI_DESCRIPTION, m_strDescription);
    ui::DDX_CBString(pDX, IDC_NWI_RESOURCE, m_strResource);
    ui::DDX_CBIndex(pDX, IDC_NWI_NETWORK_TYPE, m_nNetworkType);
    ui::DDX_Radio(pDX, IDC_NWI_RATE_BASIC, m_nRate);
}

std::string CPointToPointIsdnNwiGeneralPage::NetworkType() {
    if (IsCreated()) m_nNetworkType = ComboBox(IDC_NWI_NETWORK_TYPE).GetCurSel();
    // No choice, or a type outside the list, is taken as the first switch type.
    return m_nNetworkType < 0 ? ChoiceValue(kNetworkTypes, kFirstSwitchType)
                              : ChoiceValue(kNetworkTypes, m_nNetworkType, kFirstSwitchType);
}

bool CPointToPointIsdnNwiGeneralPage::IsPrimaryRate() {
    if (IsCreated()) m_nRate = IsDlgButtonChecked(IDC_NWI_RATE_PRIMARY) == ui::BST_CHECKED ? 1 : 0;
    return m_nRate == 1;
}

bool CPointToPointIsdnNwiGeneralPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strName = config::ToUpper(config::Trim(m_strName));
    if (m_pSheet->IsNewMode()) {
        if (m_strName.empty() || m_strName.size() > kMaxNameLength || lines::HasBlank(m_strName)) {
            ShowProblem(IDS_NWI_NAME_INVALID, IDC_NWI_NAME);
            return false;
        }
        if (m_pSheet->InterfaceExists(m_strName)) {
            ShowProblem(IDS_NWI_NAME_EXISTS, IDC_NWI_NAME, {m_strName});
            return false;
        }
    }
    if (!config::Trim(m_strResource).empty()) return true;
    ShowProblem(IDS_NWI_RESOURCE_REQUIRED, IDC_NWI_RESOURCE);
    return false;
}

void CPointToPointIsdnNwiGeneralPage::Collect(CNwiCommandValues& values) {
    values.strName = m_strName;
    values.strResource = config::ToUpper(config::Trim(m_strResource));
    values.strNetworkType = NetworkType();
    values.strRate = IsPrimaryRate() ? "*PRIMARY" : "*BASIC";
    values.strText = lines::DescriptionValue(m_strDescription);
}

ui::BOOL CPointToPointIsdnNwiGeneralPage::OnApply() {
    ui::CWaitCursor wait;
    return m_pSheet->Commit() == 0 ? ui::TRUE : ui::FALSE;
}

}  // namespace ptp::nwi
