#pragma once
// The route list of a dialling profile: the networks behind the remote system that the profile's
// interface reaches. The routes are not attributes of the profile but route objects bound to its
// interface, created and removed as the profile is saved.
#include <string>
#include <string_view>

#include "profiles/profile_route_store.h"
#include "profiles/route_list_dialog.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileTCPIPSettingsRoutesDialog : public CRouteListDialog {
  public:
    CPointToPointProfileTCPIPSettingsRoutesDialog(std::string_view systemName,
                                                  CPointToPointProfilePropertySheet* pSheet,
                                                  ui::CWnd* pParent);

    // Reads the profile's routes the first time; false after the user was told.
    bool Load();
    // Removes what the user removed and creates what was added, stopping at the first failure
    // (traced on the sheet, the server's reply in `strMessage`); 0 on success. A profile left
    // without routes gets routing choice 0.
    int Store(std::string& strMessage);

  private:
    CPointToPointProfilePropertySheet* m_pSheet;
    CProfileRouteStore m_server;
    bool m_bLoaded = false;
};

}  // namespace ptp::profiles
