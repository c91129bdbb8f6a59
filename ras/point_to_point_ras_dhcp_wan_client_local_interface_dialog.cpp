#include "ras/point_to_point_ras_dhcp_wan_client_local_interface_dialog.h"

#include "config/config_text.h"
#include "host/host_services.h"
#include "host/server_calls.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/tcpip_interface.h"
#include "resources/ids/ras.h"

namespace ptp::ras {
namespace {

namespace ifc = attr::tcpip_interface;

constexpr std::string_view kLoopbackLine = "*LOOPBACK";
constexpr std::string_view kVirtualIPLine = "*VIRTUALIP";

}  // namespace

CPointToPointRASDhcpWanClientLocalInterfaceDialog::
    CPointToPointRASDhcpWanClientLocalInterfaceDialog(std::string_view systemName,
                                                      ui::CWnd* pParent)
    : CDialog(IDD_RAS_LOCAL_INTERFACE, pParent), m_strSystemName(systemName) {}

ui::BOOL CPointToPointRASDhcpWanClientLocalInterfaceDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ui::CListCtrl& list = ListCtrl(IDC_RAS_INTERFACES);
    list.InsertColumn(0, ui::LoadText(IDS_RAS_ADDRESS_HEADING));
    list.InsertColumn(1, ui::LoadText(IDS_RAS_LINE_HEADING));
    list.InsertColumn(2, ui::LoadText(IDS_RAS_TYPE_HEADING));
    FillInterfaces();
    return ui::TRUE;
}

void CPointToPointRASDhcpWanClientLocalInterfaceDialog::FillInterfaces() {
    host::IHost* host = host::GetHost();
    if (!host) return;
    host::SOFError* error = nullptr;
    auto interfaces = host->Objects().CreateList(kinds::kTcpipInterface, host::kClientName,
                                                 m_strSystemName, "", &error);
    ui::CListCtrl& list = ListCtrl(IDC_RAS_INTERFACES);
    if (interfaces && !error && host::LoadList(*interfaces, &error)) {
        const long count = interfaces->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* element = interfaces->ElementAt(index, &error);
            if (!element || error) break;
            const std::string line = element->GetAttributeText(ifc::kLineName, &error);
            if (config::EqualsNoCase(line, kLoopbackLine)) continue;
            const std::string address = element->GetAttributeText(ifc::kAddress, &error);
            const int row = list.InsertItem(list.GetItemCount(), address);
            list.SetItemText(row, 1, line);
            list.SetItemText(
                row, 2,
                ui::LoadText(config::EqualsNoCase(line, kVirtualIPLine) ? IDS_RAS_INTERFACE_VIRTUAL
                                                                        : IDS_RAS_INTERFACE_LINE));
            if (address == m_strAddress) list.SetItemSelected(row, true);
        }
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
}

// Without a choice the address stays what it was.
void CPointToPointRASDhcpWanClientLocalInterfaceDialog::OnOK() {
    ui::CListCtrl& list = ListCtrl(IDC_RAS_INTERFACES);
    const int row = list.GetNextItem(-1, ui::LVNI_SELECTED);
    if (row >= 0) m_strAddress = list.GetItemText(row, 0);
    EndDialog(ui::IDOK);
}

}  // namespace ptp::ras
