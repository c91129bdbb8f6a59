#include "lines/point_to_point_profile_line_nwi_page.h"

#include <array>
#include <sstream>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_choice_list.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/line_digital.h"
#include "resources/ids/lines.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace nw = attr::network_interface;

// The values of the choice lists, in the order of their texts.
constexpr std::array<std::string_view, 5> kTransferTypes = {"*UNRESTRICTED", "*V110", "*DOV",
                                                            "*ASYNCMODEM", "*SYNCMODEM"};
constexpr std::array<UINT, 5> kTransferTypeTexts = {IDS_DLINE_TYPE_UNRESTRICTED,
                                                    IDS_DLINE_TYPE_V110, IDS_DLINE_TYPE_DOV,
                                                    IDS_DLINE_TYPE_ASYNC, IDS_DLINE_TYPE_SYNC};
constexpr std::array<std::string_view, 2> kSelections = {"*FIRST", "*CALC"};
constexpr std::array<UINT, 2> kSelectionTexts = {IDS_DLINE_SELECT_FIRST, IDS_DLINE_SELECT_CALC};
constexpr std::array<std::string_view, 5> kSwitchTypes = {"*ATT", "*ETSI", "*JAPAN", "*NORTEL",
                                                          "*NISDN"};
constexpr std::array<UINT, 5> kSwitchTypeTexts = {IDS_DLINE_SWITCH_ATT, IDS_DLINE_SWITCH_ETSI,
                                                  IDS_DLINE_SWITCH_JAPAN, IDS_DLINE_SWITCH_NORTEL,
                                                  IDS_DLINE_SWITCH_NISDN};
constexpr std::string_view kCalculate = "*CALC";
constexpr std::size_t kMostEntries = 64;
constexpr int kColumnWidth = 80;

bool IsChannel(std::string_view text) {
    return config::EqualsNoCase(text, kCalculate) || IsNumberInRange(text, 1, 30);
}

}  // namespace

CPointToPointProfileLineNwiPage::CPointToPointProfileLineNwiPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_DLINE_NWI, pSheet) {
    OnClicked(IDC_DLINE_SWITCHED_NONE, [this] { UpdateControls(); });
    OnClicked(IDC_DLINE_SWITCHED_ADD, [this] { OnAdd(); });
    OnClicked(IDC_DLINE_SWITCHED_REMOVE, [this] { OnRemove(); });
    OnChanged(IDC_DLINE_SWITCHED_LIST, [this] { UpdateControls(); });
    OnChanged(IDC_DLINE_NWI, [this] { UpdateControls(); });
    OnClicked(IDC_DLINE_NWI_NEW, [this] { OnOpenInterface(true); });
    OnClicked(IDC_DLINE_NWI_PROPERTIES, [this] { OnOpenInterface(false); });
}

bool CPointToPointProfileLineNwiPage::LoadServerData() {
    m_interfaces.clear();
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto list = host->Objects().CreateList(kinds::kNetworkInterface, host::kClientName,
                                           config::ToUpper(m_pSheet->GetSystemName()), "", &error);
    const std::string_view wanted = m_pSheet->IsT1() ? "*T1" : "*ISDN";
    if (list && !error && host::LoadList(*list, &error)) {
        const long count = list->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* nwi = list->ElementAt(index, &error);
            if (error || !nwi) break;
            const std::string type = nwi->GetAttributeText(nw::kType, &error);
            const std::string name = nwi->GetAttributeText(nw::kName, &error);
            const std::string network = nwi->GetAttributeText(nw::kNetworkType, &error);
            if (!error && config::EqualsNoCase(type, wanted))
                m_interfaces.emplace_back(name, network);
        }
    }
    if (list && !error) return true;
    host::ShowAndDestroy(error, m_pSheet->GetSafeHwnd());
    ui::AfxMessageBox(IDS_DLINE_INTERFACES_UNAVAILABLE, kLineMessageStyle);
    return false;
}

void CPointToPointProfileLineNwiPage::SwitchTypeOf(const std::string& interface) {
    for (const auto& [name, network] : m_interfaces) {
        if (config::EqualsNoCase(name, interface))
            m_nSwitchType = ChoiceIndex(kSwitchTypes, network, m_nSwitchType);
    }
}

void CPointToPointProfileLineNwiPage::Load() {
    if (m_pSheet->IsNewMode()) {
        if (!m_interfaces.empty()) SwitchTypeOf(m_interfaces.front().first);
        return;
    }
    if (m_pSheet->IsLeased()) {
        m_strInterface = m_pSheet->GetLineText(ln::kNetworkInterface);
        m_strChannel = m_pSheet->GetLineText(ln::kChannel, m_strChannel);
        m_nTransferType =
            ChoiceIndex(kTransferTypes, m_pSheet->GetLineText(ln::kInformationTransferType), 0);
        SwitchTypeOf(m_strInterface);
        return;
    }
    // "(NWI1 *B 1) (NWI2 *B *CALC)", or "*NONE".
    const std::string list = m_pSheet->GetLineText(ln::kSwitchedInterfaces);
    m_nNone = config::EqualsNoCase(config::Trim(list), "*NONE") ? 1 : 0;
    std::string flat = list;
    for (char& c : flat) {
        if (c == '(' || c == ')') c = ' ';
    }
    std::istringstream words(flat);
    for (std::string name, bearer, channel; words >> name >> bearer >> channel;)
        m_entries.push_back({name, channel});
    if (!m_entries.empty()) SwitchTypeOf(m_entries.front().strInterface);
    m_nSelection =
        ChoiceIndex(kSelections, m_pSheet->GetLineText(ln::kSwitchedInterfaceSelection), 0);
}

ui::BOOL CPointToPointProfileLineNwiPage::OnInitDialog() {
    EnsureLoaded();
    FillInterfaces();
    FillChoices(ComboBox(IDC_DLINE_TRANSFER_TYPE), kTransferTypeTexts);
    FillChoices(ComboBox(IDC_DLINE_SELECTION), kSelectionTexts);
    FillChoices(ComboBox(IDC_DLINE_SWITCH_TYPE), kSwitchTypeTexts);
    ui::CListCtrl& entries = ListCtrl(IDC_DLINE_SWITCHED_LIST);
    entries.InsertColumn(0, ui::LoadText(IDS_DLINE_INTERFACE_COLUMN), ui::LVCFMT_LEFT,
                         kColumnWidth);
    entries.InsertColumn(1, ui::LoadText(IDS_DLINE_CHANNEL_COLUMN), ui::LVCFMT_LEFT, kColumnWidth);
    EntriesToList();
    CDigitalLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineNwiPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_DLINE_NWI, m_strInterface);
    ui::DDX_Text(pDX, IDC_DLINE_CHANNEL, m_strChannel);
    ui::DDX_CBIndex(pDX, IDC_DLINE_TRANSFER_TYPE, m_nTransferType);
    ui::DDX_Check(pDX, IDC_DLINE_SWITCHED_NONE, m_nNone);
    ui::DDX_CBIndex(pDX, IDC_DLINE_SELECTION, m_nSelection);
    ui::DDX_CBIndex(pDX, IDC_DLINE_SWITCH_TYPE, m_nSwitchType);
}

void CPointToPointProfileLineNwiPage::FillInterfaces() {
    ui::CComboBox& interfaces = ComboBox(IDC_DLINE_NWI);
    const std::string typed = interfaces.GetWindowText();
    interfaces.ResetContent();
    for (const auto& [name, network] : m_interfaces)
        interfaces.AddString(name);
    interfaces.SetWindowText(typed);
}

// A new interface takes the typed name; after OK the page lists the system's interfaces again.
void CPointToPointProfileLineNwiPage::OnOpenInterface(bool isNew) {
    const std::string name = config::ToUpper(config::Trim(GetDlgItemText(IDC_DLINE_NWI)));
    if (m_pSheet->OpenNetworkInterface(name, isNew) != ui::IDOK) return;
    if (!LoadServerData()) return;
    FillInterfaces();
    SwitchTypeOf(name);
    ComboBox(IDC_DLINE_SWITCH_TYPE).SetCurSel(m_nSwitchType);
    UpdateControls();
}

void CPointToPointProfileLineNwiPage::UpdateControls() {
    const bool leased = m_pSheet->IsLeased();
    const bool none = IsDlgButtonChecked(IDC_DLINE_SWITCHED_NONE) == ui::BST_CHECKED;
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_DLINE_CHANNEL, leased);
    enable(IDC_DLINE_TRANSFER_TYPE, leased);
    enable(IDC_DLINE_SWITCHED_NONE, !leased);
    enable(IDC_DLINE_SWITCHED_LIST, !leased && !none);
    enable(IDC_DLINE_SWITCHED_ADD,
           !leased && !none &&
               ListCtrl(IDC_DLINE_SWITCHED_LIST).GetItemCount() < static_cast<int>(kMostEntries));
    enable(IDC_DLINE_SWITCHED_REMOVE,
           !leased && !none && ListCtrl(IDC_DLINE_SWITCHED_LIST).GetSelectionMark() >= 0);
    enable(IDC_DLINE_SELECTION, !leased);
    const std::string typed(config::Trim(GetDlgItemText(IDC_DLINE_NWI)));
    bool listed = false;
    for (const auto& [name, network] : m_interfaces)
        listed = listed || config::EqualsNoCase(name, typed);
    const bool opens = m_pSheet->CanOpenNetworkInterfaces();
    enable(IDC_DLINE_NWI_NEW, opens && m_pSheet->ChangesAllowed() && !typed.empty() && !listed);
    enable(IDC_DLINE_NWI_PROPERTIES, opens && listed);
}

void CPointToPointProfileLineNwiPage::EntriesToList() {
    ui::CListCtrl& list = ListCtrl(IDC_DLINE_SWITCHED_LIST);
    list.DeleteAllItems();
    for (const Entry& entry : m_entries) {
        const int row = list.InsertItem(list.GetItemCount(), entry.strInterface);
        list.SetItemText(row, 1, entry.strChannel);
    }
}

// The list ends at its first empty entry.
void CPointToPointProfileLineNwiPage::EntriesFromList() {
    const ui::CListCtrl& list = ListCtrl(IDC_DLINE_SWITCHED_LIST);
    m_entries.clear();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const std::string name = config::ToUpper(config::Trim(list.GetItemText(row, 0)));
        if (name.empty()) break;
        std::string channel = config::ToUpper(config::Trim(list.GetItemText(row, 1)));
        if (channel.empty()) channel = std::string(kCalculate);
        m_entries.push_back({name, channel});
    }
}

// Adds the interface chosen in the interface box, its channel left to the system.
void CPointToPointProfileLineNwiPage::OnAdd() {
    const std::string name = config::ToUpper(config::Trim(GetDlgItemText(IDC_DLINE_NWI)));
    if (name.empty()) return;
    ui::CListCtrl& list = ListCtrl(IDC_DLINE_SWITCHED_LIST);
    const int row = list.InsertItem(list.GetItemCount(), name);
    list.SetItemText(row, 1, std::string(kCalculate));
    list.SetItemSelected(row, true);
    SwitchTypeOf(name);
    ComboBox(IDC_DLINE_SWITCH_TYPE).SetCurSel(m_nSwitchType);
    UpdateControls();
}

void CPointToPointProfileLineNwiPage::OnRemove() {
    ui::CListCtrl& list = ListCtrl(IDC_DLINE_SWITCHED_LIST);
    const int row = list.GetSelectionMark();
    if (row >= 0) list.DeleteItem(row);
    UpdateControls();
}

ui::BOOL CPointToPointProfileLineNwiPage::OnKillActive() {
    if (!CDigitalLinePage::OnKillActive()) return ui::FALSE;
    if (!m_pSheet->IsLeased()) EntriesFromList();
    return ui::TRUE;
}

bool CPointToPointProfileLineNwiPage::Validate() {
    if (IsCreated()) {
        if (!UpdateData(ui::TRUE)) return false;
        if (!m_pSheet->IsLeased()) EntriesFromList();
    }
    if (m_pSheet->IsLeased()) {
        m_strInterface = config::ToUpper(config::Trim(m_strInterface));
        if (m_strInterface.empty() || HasBlank(m_strInterface)) {
            ShowProblem(IDS_DLINE_NWI_REQUIRED, IDC_DLINE_NWI);
            return false;
        }
        return CheckRange(m_strChannel, 1, 30, IDC_DLINE_CHANNEL);
    }
    if (m_nNone == 1) return true;
    if (m_entries.empty()) {
        ShowProblem(IDS_DLINE_SWITCHED_REQUIRED, IDC_DLINE_SWITCHED_LIST);
        return false;
    }
    for (const Entry& entry : m_entries) {
        if (!IsChannel(entry.strChannel)) {
            ShowProblem(IDS_LINE_VALUE_RANGE, IDC_DLINE_SWITCHED_LIST, {"1", "30"});
            return false;
        }
    }
    return true;
}

std::string CPointToPointProfileLineNwiPage::SwitchedInterfacesValue() const {
    if (m_nNone == 1) return "*NONE";
    std::string value;
    for (const Entry& entry : m_entries)
        value += " (" + entry.strInterface + " *B " + entry.strChannel + ")";
    return value;
}

std::string CPointToPointProfileLineNwiPage::TransferTypeValue() const {
    const bool known =
        m_nTransferType >= 0 && m_nTransferType < static_cast<int>(kTransferTypes.size());
    return std::string(kTransferTypes[known ? static_cast<std::size_t>(m_nTransferType) : 0]);
}

std::string CPointToPointProfileLineNwiPage::NetworkType() const {
    const bool known = m_nSwitchType >= 0 && m_nSwitchType < static_cast<int>(kSwitchTypes.size());
    return std::string(kSwitchTypes[known ? static_cast<std::size_t>(m_nSwitchType) : 0]);
}

void CPointToPointProfileLineNwiPage::Collect(CDigitalLineValues& values) {
    values.strInterface = m_strInterface;
    values.strChannel = m_strChannel;
    values.strTransferType = TransferTypeValue();
    values.strSwitchedInterfaces = SwitchedInterfacesValue();
    const bool known = m_nSelection >= 0 && m_nSelection < static_cast<int>(kSelections.size());
    values.strInterfaceSelection =
        std::string(kSelections[known ? static_cast<std::size_t>(m_nSelection) : 0]);
}

void CPointToPointProfileLineNwiPage::Store() {
    m_pSheet->SetLineText(ln::kNetworkInterface, m_strInterface);
    m_pSheet->SetLineText(ln::kChannel, m_strChannel);
    m_pSheet->SetLineText(ln::kInformationTransferType, TransferTypeValue());
}

}  // namespace ptp::lines
