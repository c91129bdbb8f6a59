#include "profiles/point_to_point_profile_tcpip_settings_routes_dialog.h"

#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {

CPointToPointProfileTCPIPSettingsRoutesDialog::CPointToPointProfileTCPIPSettingsRoutesDialog(
    std::string_view systemName, CPointToPointProfilePropertySheet* pSheet, ui::CWnd* pParent)
    : CRouteListDialog(IDD_PROFILE_ROUTES, pParent),
      m_pSheet(pSheet),
      m_server(systemName, pSheet) {
    SetChangesAllowed(pSheet->ChangesAllowed());
}

bool CPointToPointProfileTCPIPSettingsRoutesDialog::Load() {
    if (m_bLoaded) return true;
    std::vector<CRouteInformation> routes;
    if (!m_server.Read(routes)) return false;
    m_bLoaded = true;
    // The per-user routes of an answering profile are the address list's, not this list's.
    for (CRouteInformation& route : routes) {
        if (route.strExtraValue.empty()) m_rows.push_back(std::move(route));
    }
    return true;
}

int CPointToPointProfileTCPIPSettingsRoutesDialog::Store(std::string& strMessage) {
    if (!Load()) return 1;
    if (m_rows.empty()) m_pSheet->SetIntAttribute(attr::profile::kRoutingChoice, 0);
    const std::string interfaceName = m_pSheet->GetInterfaceName();
    while (!m_removeList.empty()) {
        if (!m_server.Remove(m_removeList.front(), interfaceName, strMessage)) return 1;
        m_removeList.erase(m_removeList.begin());
    }
    CRouteObjectValues values;
    values.strInterfaceName = interfaceName;
    values.bPPP = m_pSheet->IsPPP();
    for (CRouteInformation& row : m_rows) {
        if (row.nSaved != 0) continue;
        if (!m_server.Create(row, values, strMessage)) return 1;
        row.nSaved = kRouteSaved;
    }
    return 0;
}

}  // namespace ptp::profiles
