#include "lines/point_to_point_profile_line_general_page.h"

#include <array>
#include <utility>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_hardware.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/hardware_resource.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace ln = attr::line;
namespace ifc = code::line_interface;
namespace value = code::line_value;

// The interfaces a user chooses from, in list order; an internal modem comes with its port.
constexpr std::array<std::pair<std::string_view, UINT>, 4> kInterfaces = {{
    {ifc::kRS232V24, IDS_LINE_INTERFACE_RS232V24},
    {ifc::kRS449V36, IDS_LINE_INTERFACE_RS449V36},
    {ifc::kV35, IDS_LINE_INTERFACE_V35},
    {ifc::kX21, IDS_LINE_INTERFACE_X21},
}};

constexpr std::array<std::pair<std::string_view, UINT>, 2> kFramings = {{
    {code::line_framing::kAsync, IDS_LINE_FRAMING_ASYNC},
    {code::line_framing::kSync, IDS_LINE_FRAMING_SYNC},
}};

}  // namespace

CPointToPointProfileLineGeneralPage::CPointToPointProfileLineGeneralPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_GENERAL, pSheet) {
    OnChanged(IDC_LINE_RESOURCE, [this] { OnResourceChanged(); });
    OnChanged(IDC_LINE_INTERFACE, [this] { OnInterfaceChanged(); });
    OnChanged(IDC_LINE_FRAMING, [this] { OnFramingChanged(); });
}

bool CPointToPointProfileLineGeneralPage::LoadServerData() {
    std::vector<CCommunicationPort> ports;
    if (!ReadCommunicationPorts(m_pSheet->GetSystemName(), ports, m_pSheet->GetSafeHwnd())) {
        ui::AfxMessageBox(IDS_LINE_RESOURCES_UNAVAILABLE, kLineMessageStyle);
        return false;
    }
    for (const CCommunicationPort& port : ports) {
        if (!IsSupportedAdapterType(port.strAdapterType)) continue;
        m_ports.push_back(
            Port{port.strName, port.strAdapterType, InterfaceOfPort(port.strDescription)});
    }
    return true;
}

void CPointToPointProfileLineGeneralPage::Load() {
    const CLineProfileKind& profile = m_pSheet->GetParentProfile();
    m_strConnection = std::string(profile.IsLeased() ? code::line_connection::kNonswitched
                                                     : code::line_connection::kSwitched);
    m_strInterface = std::string(ifc::kRS232V24);
    m_strFraming = std::string(code::line_framing::kAsync);
    if (m_pSheet->GetMode() == CPointToPointProfileLinePropertySheet::Mode::New) {
        m_strName = m_pSheet->GetProposedLineName();
        return;
    }
    if (m_pSheet->GetMode() == CPointToPointProfileLinePropertySheet::Mode::NewFromModel) {
        m_strName = m_pSheet->GetProposedLineName();
        m_strDescription = DescriptionFromAttribute(m_pSheet->GetLineText(ln::kText));
        return;
    }
    m_strName = m_pSheet->GetExistingLineName();
    m_strDescription = DescriptionFromAttribute(m_pSheet->GetLineText(ln::kText));
    m_strInterface = m_pSheet->GetLineText(ln::kInterface);
    m_strResource = m_pSheet->GetLineText(ln::kResource);
    m_strConnection = m_pSheet->GetLineText(ln::kConnectionType);
    m_strFraming = m_pSheet->GetLineText(ln::kFraming);
    m_nOnline = config::EqualsNoCase(m_pSheet->GetLineText(ln::kOnline), value::kYes) ? 1 : 0;
}

ui::BOOL CPointToPointProfileLineGeneralPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    const bool creating = m_pSheet->IsNewMode();
    // The name is the line's identity on the server; a name the opener proposed is kept.
    Edit(IDC_LINE_NAME).SetReadOnly(!creating || !m_pSheet->GetProposedLineName().empty());
    FillResources();
    FillInterfaces();
    FillFramings();
    ComboBox(IDC_LINE_FRAMING).EnableWindow(creating);
    SetDlgItemText(IDC_LINE_CONNECTION_TYPE, ui::LoadText(ConnectionText()));
    const bool changeable = m_pSheet->ChangesAllowed();
    Edit(IDC_LINE_DESCRIPTION).SetReadOnly(!changeable);
    ComboBox(IDC_LINE_RESOURCE).EnableWindow(changeable);
    Button(IDC_LINE_ONLINE).EnableWindow(changeable);
    return ui::TRUE;
}

void CPointToPointProfileLineGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_LINE_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_LINE_DESCRIPTION, m_strDescription);
    ui::DDX_Check(pDX, IDC_LINE_ONLINE, m_nOnline);
}

void CPointToPointProfileLineGeneralPage::FillResources() {
    ui::CComboBox& list = ComboBox(IDC_LINE_RESOURCE);
    list.ResetContent();
    for (const Port& port : m_ports)
        list.AddString(port.strName);
    // A line keeps showing its port even when the port is gone or not one of the listed kinds.
    if (!m_strResource.empty() && list.FindStringExact(-1, m_strResource) < 0)
        list.AddString(m_strResource);
    list.SetCurSel(m_strResource.empty() ? -1 : list.FindStringExact(-1, m_strResource));
}

void CPointToPointProfileLineGeneralPage::FillInterfaces() {
    ui::CComboBox& list = ComboBox(IDC_LINE_INTERFACE);
    list.ResetContent();
    for (const auto& [interface, text] : kInterfaces)
        list.AddString(ui::LoadText(text));
    if (IsInternalModem()) {
        list.SetCurSel(list.AddString(ui::LoadText(IDS_LINE_INTERFACE_INTMODEM)));
        list.EnableWindow(ui::FALSE);
        return;
    }
    int selected = 0;
    for (std::size_t i = 0; i < kInterfaces.size(); ++i) {
        if (config::EqualsNoCase(kInterfaces[i].first, m_strInterface))
            selected = static_cast<int>(i);
    }
    list.SetCurSel(selected);
    list.EnableWindow(m_pSheet->IsNewMode());
}

void CPointToPointProfileLineGeneralPage::FillFramings() {
    ui::CComboBox& list = ComboBox(IDC_LINE_FRAMING);
    list.ResetContent();
    for (const auto& [framing, text] : kFramings)
        list.AddString(ui::LoadText(text));
    list.SetCurSel(IsAsync() ? 0 : 1);
}

void CPointToPointProfileLineGeneralPage::OnResourceChanged() {
    ui::CComboBox& list = ComboBox(IDC_LINE_RESOURCE);
    const int selected = list.GetCurSel();
    if (selected < 0) return;
    m_strResource = list.GetLBText(selected);
    for (const Port& port : m_ports) {
        if (port.strName != m_strResource || port.strInterface.empty()) continue;
        m_strInterface = port.strInterface;
    }
    if (!IsInternalModem() && config::EqualsNoCase(m_strInterface, ifc::kInternalModem))
        m_strInterface = std::string(ifc::kRS232V24);
    FillInterfaces();
    m_pSheet->GeneralSettingsChanged();
}

void CPointToPointProfileLineGeneralPage::OnInterfaceChanged() {
    const int selected = ComboBox(IDC_LINE_INTERFACE).GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(kInterfaces.size())) return;
    m_strInterface = std::string(kInterfaces[selected].first);
    m_pSheet->GeneralSettingsChanged();
}

void CPointToPointProfileLineGeneralPage::OnFramingChanged() {
    const int selected = ComboBox(IDC_LINE_FRAMING).GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(kFramings.size())) return;
    m_strFraming = std::string(kFramings[selected].first);
    m_pSheet->GeneralSettingsChanged();
}

UINT CPointToPointProfileLineGeneralPage::ConnectionText() const {
    const CLineProfileKind& profile = m_pSheet->GetParentProfile();
    // Asked in this order; the last kind that answers yes names the connection.
    UINT text = IsSwitched() ? IDS_LINE_CNN_SWITCHED : IDS_LINE_CNN_LEASED;
    if (profile.IsSwitchedDial()) text = IDS_LINE_CNN_SWITCHED_DIAL;
    if (profile.IsSwitchedAnswer()) text = IDS_LINE_CNN_SWITCHED_ANSWER;
    if (profile.IsSwitchedDialVariant3()) text = IDS_LINE_CNN_SWITCHED_DIAL;
    if (profile.IsSwitchedDialVariant4()) text = IDS_LINE_CNN_SWITCHED_DIAL;
    if (profile.IsSwitchedDialOnDemand()) text = IDS_LINE_CNN_SWITCHED_DIAL_ON_DEMAND;
    if (profile.IsLeasedDial()) text = IDS_LINE_CNN_LEASED_DIAL;
    if (profile.IsLeasedAnswer()) text = IDS_LINE_CNN_LEASED_ANSWER;
    return text;
}

bool CPointToPointProfileLineGeneralPage::IsAsync() const {
    return !config::EqualsNoCase(m_strFraming, code::line_framing::kSync);
}

bool CPointToPointProfileLineGeneralPage::IsInternalModem() const {
    if (config::EqualsNoCase(m_strInterface, ifc::kInternalModem)) return true;
    for (const Port& port : m_ports) {
        if (port.strName == m_strResource) return port.strInterface == ifc::kInternalModem;
    }
    return false;
}

bool CPointToPointProfileLineGeneralPage::IsSwitched() const {
    return !config::EqualsNoCase(m_strConnection, code::line_connection::kNonswitched);
}

std::string CPointToPointProfileLineGeneralPage::GetAdapterType() const {
    for (const Port& port : m_ports) {
        if (port.strName == m_strResource) return port.strAdapterType;
    }
    return {};
}

std::string CPointToPointProfileLineGeneralPage::GetLineName() const {
    return config::ToUpper(config::Trim(m_strName));
}

bool CPointToPointProfileLineGeneralPage::Validate() {
    EnsureLoaded();
    const std::string_view name = config::Trim(m_strName);
    if (m_pSheet->IsNewMode()) {
        if (name.empty()) {
            ShowProblem(IDS_LINE_NAME_REQUIRED, IDC_LINE_NAME);
            return false;
        }
        if (HasBlank(name)) {
            ShowProblem(IDS_LINE_NAME_BLANK, IDC_LINE_NAME);
            return false;
        }
        if (m_pSheet->LineNameExists(name)) {
            ShowProblem(IDS_LINE_NAME_EXISTS, IDC_LINE_NAME, {GetLineName()});
            return false;
        }
    }
    const std::string_view resource = config::Trim(m_strResource);
    if (resource.empty() || HasBlank(resource)) {
        ShowProblem(IDS_LINE_RESOURCE_REQUIRED, IDC_LINE_RESOURCE);
        return false;
    }
    return true;
}

void CPointToPointProfileLineGeneralPage::Collect(CLineCommandValues& values) {
    EnsureLoaded();
    values.strLineName = GetLineName();
    values.strText = DescriptionValue(m_strDescription);
    values.strResource = config::ToUpper(config::Trim(m_strResource));
    values.strInterface = IsInternalModem() ? std::string(ifc::kInternalModem) : m_strInterface;
    values.strFraming = m_strFraming;
    values.strConnection = m_strConnection;
    values.strOnline = std::string(m_nOnline ? value::kYes : value::kNo);
}

void CPointToPointProfileLineGeneralPage::Store() {
    EnsureLoaded();
    m_pSheet->SetLineText(ln::kName, GetLineName());
    // The line object keeps the description as the user wrote it, not in its command form.
    const std::string_view description = config::Trim(m_strDescription);
    m_pSheet->SetLineAttribute(ln::kText, description.empty() ? value::kBlank : description);
    m_pSheet->SetLineText(ln::kResource, config::Trim(m_strResource));
    m_pSheet->SetLineText(ln::kOnline, m_nOnline ? value::kYes : value::kNo);
}

ui::BOOL CPointToPointProfileLineGeneralPage::OnApply() {
    if (m_pSheet->Commit() != 0) return ui::FALSE;
    SetModified(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileLineGeneralPage::OnCancel() {
    m_pSheet->Discard();
}

}  // namespace ptp::lines
