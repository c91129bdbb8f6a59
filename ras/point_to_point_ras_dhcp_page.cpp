#include "ras/point_to_point_ras_dhcp_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "ras/console_server_views.h"
#include "ras/dhcp_service_commands.h"
#include "ras/dhcp_service_queries.h"
#include "ras/point_to_point_ras_dhcp_server_dialog.h"
#include "ras/point_to_point_ras_dhcp_wan_client_local_interface_dialog.h"
#include "ras/point_to_point_ras_property_sheet.h"
#include "resources/ids/ras.h"

namespace ptp::ras {
namespace {

constexpr std::string_view kServer = "*SERVER";
constexpr std::string_view kRelay = "*RELAY";
constexpr UINT kNotice = ui::MB_ICONEXCLAMATION | ui::MB_SYSTEMMODAL;
constexpr UINT kQuestion = ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_SYSTEMMODAL;

std::string TypeLabel(std::string_view type) {
    if (type == kServer) return ui::LoadText(IDS_RAS_DHCP_SERVER_LABEL);
    if (type == kRelay) return ui::LoadText(IDS_RAS_DHCP_RELAY_LABEL);
    return std::string(type);
}

}  // namespace

CPointToPointRASDHCPPage::CPointToPointRASDHCPPage(CPointToPointRASPropertySheet* pSheet)
    : CPropertyPage(IDD_RAS_DHCP), m_pSheet(pSheet) {
    OnClicked(IDC_RAS_DHCP_WAN_CLIENT, [this] { OnWanClientClicked(); });
    OnClicked(IDC_RAS_DHCP_ADD, [this] { OnAdd(); });
    OnClicked(IDC_RAS_DHCP_REMOVE, [this] { OnRemove(); });
    OnClicked(IDC_RAS_DHCP_LOCAL_INTERFACE, [this] { OnSelectLocalInterface(); });
}

CPointToPointRASDHCPPage::~CPointToPointRASDHCPPage() = default;

void CPointToPointRASDHCPPage::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    const auto& record = m_pSheet->Record();
    m_nWanClient = record.GetDHCPWanClientEnabled();
    m_strLocalAddress = record.GetDHCPWanClientLocalIPAddress();
    auto& file = m_pSheet->DHCPFile();
    for (auto* entry = file.GetFirst(); entry; entry = file.GetNext())
        m_entries.emplace_back(entry->GetAddress(), entry->GetServerType());
}

ui::BOOL CPointToPointRASDHCPPage::OnInitDialog() {
    Load();
    CPropertyPage::OnInitDialog();
    ui::CListCtrl& list = ListCtrl(IDC_RAS_DHCP_SERVERS);
    list.InsertColumn(0, ui::LoadText(IDS_RAS_ADDRESS_HEADING));
    list.InsertColumn(1, ui::LoadText(IDS_RAS_TYPE_HEADING));
    FillList();
    return ui::TRUE;
}

void CPointToPointRASDHCPPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_RAS_DHCP_WAN_CLIENT, m_nWanClient);
    ui::DDX_Text(pDX, IDC_RAS_DHCP_LOCAL_ADDRESS, m_strLocalAddress);
}

void CPointToPointRASDHCPPage::FillList() {
    ui::CListCtrl& list = ListCtrl(IDC_RAS_DHCP_SERVERS);
    list.DeleteAllItems();
    for (const auto& [address, type] : m_entries) {
        const int row = list.InsertItem(list.GetItemCount(), address);
        list.SetItemText(row, 1, TypeLabel(type));
    }
}

ui::BOOL CPointToPointRASDHCPPage::OnSetActive() {
    if (!m_bServiceChecked) {
        m_bServiceChecked = true;
        if (m_nWanClient != 0 && !m_entries.empty()) {
            CheckDhcpService();
        } else {
            m_nWanClient = 0;
            CheckDlgButton(IDC_RAS_DHCP_WAN_CLIENT, ui::BST_UNCHECKED);
        }
    }
    EnableControls();
    return CPropertyPage::OnSetActive();
}

void CPointToPointRASDHCPPage::EnableControls() {
    const bool on = IsDlgButtonChecked(IDC_RAS_DHCP_WAN_CLIENT) == ui::BST_CHECKED;
    for (int id : {IDC_RAS_DHCP_SERVERS, IDC_RAS_DHCP_REMOVE, IDC_RAS_DHCP_LOCAL_INTERFACE})
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    const bool room = m_entries.size() < kMostDHCPEntries;
    GetDlgItem(IDC_RAS_DHCP_ADD)->EnableWindow(on && room ? ui::TRUE : ui::FALSE);
}

CPointToPointRASDHCPPage::Role CPointToPointRASDHCPPage::ExpectedRole() const {
    if (m_entries.empty()) return Role::None;
    if (m_entries.front().second == kRelay) return Role::Relay;
    if (m_entries.front().second == kServer) return Role::Server;
    return Role::None;
}

void CPointToPointRASDHCPPage::CheckDhcpService() {
    const std::string& system = m_pSheet->GetSystemName();
    m_bServerRunning = false;
    m_bRelayRunning = false;
    const Role role = ExpectedRole();
    if (role == Role::Relay) {
        if (IsDhcpRelayJobActive(system)) {
            m_bRelayRunning = true;
        } else if (IsDhcpServerJobActive(system)) {
            ui::AfxMessageBox(IDS_RAS_SERVER_INSTEAD_OF_RELAY, {system}, kNotice);
            m_bServerRunning = true;
        } else {
            ui::AfxMessageBox(IDS_RAS_STARTING_RELAY, {system}, kNotice);
            m_bRelayRunning = StartDhcpRelay(system);
        }
    }
    if (role == Role::Server) {
        if (IsDhcpServerJobActive(system)) {
            m_bServerRunning = true;
        } else if (IsDhcpRelayJobActive(system)) {
            ui::AfxMessageBox(IDS_RAS_RELAY_INSTEAD_OF_SERVER, {system}, kNotice);
        } else {
            ui::AfxMessageBox(IDS_RAS_STARTING_SERVER, {system}, kNotice);
            m_bServerRunning = StartDhcpServer(system);
        }
    }
    if (m_bServerRunning || m_bRelayRunning) return;
    m_nWanClient = 0;
    CheckDlgButton(IDC_RAS_DHCP_WAN_CLIENT, ui::BST_UNCHECKED);
}

void CPointToPointRASDHCPPage::OnWanClientClicked() {
    if (IsDlgButtonChecked(IDC_RAS_DHCP_WAN_CLIENT) == ui::BST_CHECKED) {
        if (ui::AfxMessageBox(IDS_RAS_WAN_CLIENT_QUESTION, {}, kQuestion) != ui::IDYES) {
            CheckDlgButton(IDC_RAS_DHCP_WAN_CLIENT, ui::BST_UNCHECKED);
        } else if (!m_entries.empty()) {
            CheckDhcpService();
        }
    }
    SetModified();
    EnableControls();
}

void CPointToPointRASDHCPPage::OnAdd() {
    if (m_entries.size() >= kMostDHCPEntries) {
        ui::AfxMessageBox(IDS_RAS_TOO_MANY_ENTRIES, ui::MB_ICONEXCLAMATION);
        return;
    }
    if (!m_pServerDialog)
        m_pServerDialog = std::make_unique<CPointToPointRASDHCPServerDialog>(this);
    if (m_pServerDialog->DoModal() != ui::IDOK) return;
    const std::string address = m_pServerDialog->GetAddress();
    const bool taken = std::any_of(m_entries.begin(), m_entries.end(),
                                   [&](const Entry& entry) { return entry.first == address; });
    if (taken) {
        ui::AfxMessageBox(IDS_RAS_ADDRESS_TAKEN, {address}, ui::MB_ICONEXCLAMATION);
        return;
    }
    const bool relay = m_pServerDialog->IsRelay();
    m_entries.emplace_back(address, relay ? kRelay : kServer);
    FillList();
    SetModified();
    // The first entry decides the role this system's own DHCP service plays.
    if (m_entries.size() == 1) CheckDhcpService();
    EnableControls();
    const UINT question =
        relay ? IDS_RAS_CONFIGURE_RELAY_QUESTION : IDS_RAS_CONFIGURE_SERVER_QUESTION;
    if (ui::AfxMessageBox(question, {address}, kQuestion) != ui::IDYES) return;
    (void)OpenServerView(m_pSheet->GetSystemName(),
                         relay ? ServerView::DhcpRelay : ServerView::DhcpServer, GetSafeHwnd());
}

void CPointToPointRASDHCPPage::OnRemove() {
    std::vector<int> rows = ListCtrl(IDC_RAS_DHCP_SERVERS).GetSelectedItems();
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows) {
        if (row >= 0 && static_cast<std::size_t>(row) < m_entries.size())
            m_entries.erase(m_entries.begin() + row);
    }
    if (rows.empty()) return;
    FillList();
    SetModified();
    EnableControls();
}

void CPointToPointRASDHCPPage::OnSelectLocalInterface() {
    if (!m_pLocalInterfaceDialog) {
        m_pLocalInterfaceDialog =
            std::make_unique<CPointToPointRASDhcpWanClientLocalInterfaceDialog>(
                m_pSheet->GetSystemName(), this);
    }
    m_pLocalInterfaceDialog->SetAddress(GetDlgItemText(IDC_RAS_DHCP_LOCAL_ADDRESS));
    if (m_pLocalInterfaceDialog->DoModal() != ui::IDOK) return;
    SetDlgItemText(IDC_RAS_DHCP_LOCAL_ADDRESS, m_pLocalInterfaceDialog->GetAddress());
    SetModified();
}

int CPointToPointRASDHCPPage::Store() {
    Load();
    if (m_nWanClient != 0 && config::Trim(m_strLocalAddress).empty()) {
        GetSheet()->SetActivePage(this);
        ui::AfxMessageBox(IDS_RAS_LOCAL_ADDRESS_REQUIRED, ui::MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_RAS_DHCP_LOCAL_INTERFACE));
        return 2;
    }
    auto& record = m_pSheet->Record();
    record.SetDHCPWanClientEnabled(m_nWanClient);
    record.SetDHCPWanClientLocalIPAddress(m_strLocalAddress);
    auto& file = m_pSheet->DHCPFile();
    while (auto* entry = file.GetAt(0))
        file.Remove(entry);
    for (const auto& [address, type] : m_entries) {
        auto added = config::CPointToPointRASDHCPConfigFile::CreateRecord("");
        added->SetAddress(address);
        added->SetServerType(type);
        file.Add(std::move(added));
    }
    return 0;
}

}  // namespace ptp::ras
