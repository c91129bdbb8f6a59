#include "profiles/point_to_point_profile_tcpip_settings_user_routes_dialog.h"

#include "platform/ui/toolkit.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {

CPointToPointProfileTCPIPSettingsUserRoutesDialog::
    CPointToPointProfileTCPIPSettingsUserRoutesDialog(const CIPAddressInformation& user,
                                                      bool changesAllowed, ui::CWnd* pParent)
    : CRouteListDialog(IDD_PROFILE_USER_ROUTES, pParent),
      m_strName(user.strName),
      m_strAddress(user.strAddress) {
    m_rows = user.routes;
    m_strNewNextHop = user.strAddress;
    m_strNewExtraValue = user.strName;
    SetChangesAllowed(changesAllowed);
}

ui::BOOL CPointToPointProfileTCPIPSettingsUserRoutesDialog::OnInitDialog() {
    CRouteListDialog::OnInitDialog();
    SetDlgItemText(IDC_USER_ROUTES_TEXT,
                   ui::FormatResource(IDS_USER_ROUTES_TEXT, {m_strName, m_strAddress}));
    return ui::TRUE;
}

}  // namespace ptp::profiles
