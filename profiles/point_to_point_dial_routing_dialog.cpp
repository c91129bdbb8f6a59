#include "profiles/point_to_point_dial_routing_dialog.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "platform/ui/message_box.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {
namespace {

std::string NetworkOf(const host::CBaseTCPIPAddress& destination,
                      const host::CBaseTCPIPAddress& mask) {
    std::string network;
    for (std::size_t part = 0; part < 4; ++part) {
        if (part > 0) network += '.';
        network += std::to_string(destination.Parts()[part] & mask.Parts()[part]);
    }
    return network;
}

}  // namespace

bool CheckRouteAddress(ui::CDialog& dialog, const std::string& address, int id) {
    if (host::CBaseTCPIPAddress(address).IsValid()) return true;
    ui::AfxMessageBox(IDS_ROUTE_ADDRESS_INVALID, {address}, kProfileMessageStyle);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(id));
    return false;
}

bool CheckRouteNetwork(ui::CDialog& dialog, const std::string& destination, const std::string& mask,
                       int destinationId, int maskId) {
    if (!CheckRouteAddress(dialog, destination, destinationId)) return false;
    if (!CheckRouteAddress(dialog, mask, maskId)) return false;
    const std::string network =
        NetworkOf(host::CBaseTCPIPAddress(destination), host::CBaseTCPIPAddress(mask));
    if (network == destination) return true;
    ui::AfxMessageBox(IDS_ROUTE_NOT_NETWORK, {destination, mask, network}, kProfileMessageStyle);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(destinationId));
    return false;
}

CPointToPointDialRoutingDialog::CPointToPointDialRoutingDialog(
    const std::vector<CRouteInformation>& rows, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_ROUTE_ENTRY, pParent), m_rows(rows) {}

void CPointToPointDialRoutingDialog::OnOK() {
    const std::string destination(config::Trim(GetDlgItemText(IDC_ROUTE_DESTINATION)));
    const std::string mask(config::Trim(GetDlgItemText(IDC_ROUTE_SUBNET_MASK)));
    if (!CheckRouteNetwork(*this, destination, mask, IDC_ROUTE_DESTINATION, IDC_ROUTE_SUBNET_MASK))
        return;
    for (const CRouteInformation& row : m_rows) {
        if (row.strDestination != destination || row.strSubnetMask != mask) continue;
        ui::AfxMessageBox(IDS_ROUTE_EXISTS, {destination, mask}, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_ROUTE_DESTINATION));
        return;
    }
    m_strDestination = destination;
    m_strSubnetMask = mask;
    CDialog::OnOK();
}

}  // namespace ptp::profiles
