#include "profiles/point_to_point_profile_tcpip_settings_ip_address_dialog.h"

#include "config/config_text.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_answer_routing_dialog.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/point_to_point_profile_tcpip_settings_user_routes_dialog.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {

CPointToPointProfileTCPIPSettingsIPAddressDialog::CPointToPointProfileTCPIPSettingsIPAddressDialog(
    std::string_view systemName, CPointToPointProfilePropertySheet* pSheet, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_USER_ADDRESSES, pParent), m_pSheet(pSheet), m_server(systemName, pSheet) {
    OnClicked(IDC_USERS_ADD, [this] { Add(); });
    OnClicked(IDC_USERS_REMOVE, [this] { Remove(); });
    OnClicked(IDC_USERS_ROUTES, [this] { OpenRoutes(); });
}

CRouteInformation CPointToPointProfileTCPIPSettingsIPAddressDialog::AddressRow(
    const CIPAddressInformation& user) {
    CRouteInformation row;
    row.strDestination = user.strAddress;
    row.strSubnetMask = std::string(kHostMask);
    row.strExtraValue = user.strName;
    row.nSaved = user.nSaved;
    return row;
}

std::string CPointToPointProfileTCPIPSettingsIPAddressDialog::BoundProfile() const {
    return m_strDependentProfile.empty() ? m_pSheet->GetInterfaceName() : m_strDependentProfile;
}

bool CPointToPointProfileTCPIPSettingsIPAddressDialog::Load() {
    if (m_bLoaded) return true;
    std::vector<CRouteInformation> routes;
    const bool read = m_strDependentProfile.empty()
                          ? m_server.Read(routes)
                          : m_server.ReadFor(m_strDependentProfile, routes);
    if (!read) return false;
    m_bLoaded = true;
    m_users = PerUserEntries(std::move(routes));
    return true;
}

ui::BOOL CPointToPointProfileTCPIPSettingsIPAddressDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shownUsers = m_users;
    m_shownRemovedAddresses = m_removedAddresses;
    m_shownRemovedRoutes = m_removedRoutes;
    ui::CListCtrl& list = ListCtrl(IDC_USERS_LIST);
    list.InsertColumn(0, ui::LoadText(IDS_USERS_NAME_COLUMN));
    list.InsertColumn(1, ui::LoadText(IDS_USERS_ADDRESS_COLUMN));
    list.InsertColumn(2, ui::LoadText(IDS_USERS_ROUTES_COLUMN));
    if (m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kDialOnDemand)) {
        SetWindowText(ui::LoadText(IDS_DOD_ROUTES_CAPTION));
        SetDlgItemText(IDC_USERS_TEXT, ui::LoadText(IDS_DOD_ROUTES_TEXT));
    }
    if (!m_pSheet->ChangesAllowed()) {
        for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(IDC_USERS_ADD),
                       static_cast<int>(IDC_USERS_REMOVE)})
            GetDlgItem(id)->EnableWindow(ui::FALSE);
    }
    Fill();
    return ui::TRUE;
}

void CPointToPointProfileTCPIPSettingsIPAddressDialog::Fill() {
    ui::CListCtrl& list = ListCtrl(IDC_USERS_LIST);
    list.DeleteAllItems();
    for (const CIPAddressInformation& user : m_shownUsers) {
        const int index = list.InsertItem(list.GetItemCount(), user.strName);
        list.SetItemText(index, 1, user.strAddress);
        list.SetItemText(index, 2, std::to_string(user.routes.size()));
    }
}

void CPointToPointProfileTCPIPSettingsIPAddressDialog::Add() {
    CPointToPointAnswerRoutingDialog dialog(m_shownUsers, this);
    if (dialog.DoModal() != ui::IDOK) return;
    m_shownUsers.push_back(dialog.GetEntry());
    Fill();
}

void CPointToPointProfileTCPIPSettingsIPAddressDialog::Remove() {
    const int selected = ListCtrl(IDC_USERS_LIST).GetNextItem(-1, ui::LVNI_SELECTED);
    if (selected < 0 || selected >= static_cast<int>(m_shownUsers.size())) return;
    const auto user = m_shownUsers.begin() + selected;
    if (user->nSaved == kRouteSaved) m_shownRemovedAddresses.push_back(AddressRow(*user));
    for (const CRouteInformation& route : user->routes) {
        if (route.nSaved == kRouteSaved) m_shownRemovedRoutes.push_back(route);
    }
    m_shownUsers.erase(user);
    Fill();
}

void CPointToPointProfileTCPIPSettingsIPAddressDialog::OpenRoutes() {
    const int selected = ListCtrl(IDC_USERS_LIST).GetNextItem(-1, ui::LVNI_SELECTED);
    if (selected < 0 || selected >= static_cast<int>(m_shownUsers.size())) {
        ui::AfxMessageBox(IDS_USERS_SELECT_ONE, kProfileMessageStyle);
        return;
    }
    CIPAddressInformation& user = m_shownUsers[static_cast<std::size_t>(selected)];
    CPointToPointProfileTCPIPSettingsUserRoutesDialog dialog(user, m_pSheet->ChangesAllowed(),
                                                             this);
    if (dialog.DoModal() != ui::IDOK) return;
    user.routes = dialog.GetRoutes();
    for (const CRouteInformation& route : dialog.GetRemoved())
        m_shownRemovedRoutes.push_back(route);
    Fill();
}

void CPointToPointProfileTCPIPSettingsIPAddressDialog::OnOK() {
    m_users = m_shownUsers;
    m_removedAddresses = m_shownRemovedAddresses;
    m_removedRoutes = m_shownRemovedRoutes;
    CDialog::OnOK();
}

bool CPointToPointProfileTCPIPSettingsIPAddressDialog::HasChanges() const {
    if (!m_removedAddresses.empty() || !m_removedRoutes.empty()) return true;
    for (const CIPAddressInformation& user : m_users) {
        if (user.nSaved == 0) return true;
        for (const CRouteInformation& route : user.routes) {
            if (route.nSaved == 0) return true;
        }
    }
    return false;
}

int CPointToPointProfileTCPIPSettingsIPAddressDialog::Store(std::string& strMessage) {
    if (!Load()) return 1;
    const std::string interfaceName = BoundProfile();
    if (m_strDependentProfile.empty() || !HasChanges())
        return StoreChanges(interfaceName, strMessage);
    // A save that stops halfway leaves the dependent profile routing by none of the list rather
    // than by part of it.
    namespace rc = code::routing_choice;
    if (!m_server.SetRoutingChoice(m_strDependentProfile, rc::kNone, strMessage)) return 1;
    if (StoreChanges(interfaceName, strMessage) != 0) return 1;
    if (m_users.empty()) return 0;
    return m_server.SetRoutingChoice(m_strDependentProfile, rc::kOwnRouteList, strMessage) ? 0 : 1;
}

int CPointToPointProfileTCPIPSettingsIPAddressDialog::StoreChanges(const std::string& interfaceName,
                                                                   std::string& strMessage) {
    for (CRouteRemoveList* removed : {&m_removedAddresses, &m_removedRoutes}) {
        while (!removed->empty()) {
            if (!m_server.Remove(removed->front(), interfaceName, strMessage)) return 1;
            removed->erase(removed->begin());
        }
    }
    CRouteObjectValues values;
    values.strInterfaceName = interfaceName;
    values.bPPP = m_pSheet->IsPPP();
    values.bPerUser = true;
    values.strPairedAnswer = m_strPairedAnswer;
    for (CIPAddressInformation& user : m_users) {
        if (user.nSaved != 0) continue;
        if (!m_server.Create(AddressRow(user), values, strMessage)) return 1;
        user.nSaved = kRouteSaved;
    }
    for (CIPAddressInformation& user : m_users) {
        for (CRouteInformation& route : user.routes) {
            if (route.nSaved != 0) continue;
            if (!m_server.Create(route, values, strMessage)) return 1;
            route.nSaved = kRouteSaved;
        }
    }
    return 0;
}

}  // namespace ptp::profiles
