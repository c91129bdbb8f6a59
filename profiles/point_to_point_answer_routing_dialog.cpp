#include "profiles/point_to_point_answer_routing_dialog.h"

#include "config/config_text.h"
#include "platform/ui/message_box.h"
#include "profiles/point_to_point_dial_routing_dialog.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {
namespace {

constexpr std::string_view kDefaultRoute = "*DFTROUTE";

}  // namespace

CPointToPointAnswerRoutingDialog::CPointToPointAnswerRoutingDialog(
    const std::vector<CIPAddressInformation>& users, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_USER_ENTRY, pParent), m_users(users) {}

bool CPointToPointAnswerRoutingDialog::CheckRoute(const std::string& destination,
                                                  const std::string& mask) {
    if (destination.empty() && mask.empty()) return true;
    if (destination.empty() || mask.empty()) {
        ui::AfxMessageBox(IDS_USER_ROUTE_INCOMPLETE, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(destination.empty() ? IDC_USER_DESTINATION : IDC_USER_SUBNET_MASK));
        return false;
    }
    if (config::EqualsNoCase(destination, kDefaultRoute))
        return CheckRouteAddress(*this, mask, IDC_USER_SUBNET_MASK);
    return CheckRouteNetwork(*this, destination, mask, IDC_USER_DESTINATION, IDC_USER_SUBNET_MASK);
}

void CPointToPointAnswerRoutingDialog::OnOK() {
    const std::string name(config::Trim(GetDlgItemText(IDC_USER_NAME)));
    const std::string address(config::Trim(GetDlgItemText(IDC_USER_ADDRESS)));
    const std::string destination(config::Trim(GetDlgItemText(IDC_USER_DESTINATION)));
    const std::string mask(config::Trim(GetDlgItemText(IDC_USER_SUBNET_MASK)));
    if (name.empty()) {
        ui::AfxMessageBox(IDS_USER_NAME_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_USER_NAME));
        return;
    }
    for (const CIPAddressInformation& user : m_users) {
        if (!config::EqualsNoCase(user.strName, name)) continue;
        ui::AfxMessageBox(IDS_USER_EXISTS, {name}, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_USER_NAME));
        return;
    }
    if (!CheckRouteAddress(*this, address, IDC_USER_ADDRESS)) return;
    if (!CheckRoute(destination, mask)) return;
    m_entry = CIPAddressInformation{};
    m_entry.strName = name;
    m_entry.strAddress = address;
    if (!destination.empty()) {
        CRouteInformation route;
        route.strDestination = config::EqualsNoCase(destination, kDefaultRoute)
                                   ? std::string(kDefaultRoute)
                                   : destination;
        route.strSubnetMask = mask;
        route.strNextHop = address;
        route.strExtraValue = name;
        m_entry.routes.push_back(std::move(route));
    }
    CDialog::OnOK();
}

}  // namespace ptp::profiles
