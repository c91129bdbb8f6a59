#pragma once
// The networks behind one user of the per-user address list, each routed through the address
// the user gets. The address list hands the user in and takes the rows back after OK.
#include <vector>

#include "profiles/ip_address_information.h"
#include "profiles/route_list_dialog.h"

namespace ptp::profiles {

class CPointToPointProfileTCPIPSettingsUserRoutesDialog : public CRouteListDialog {
  public:
    CPointToPointProfileTCPIPSettingsUserRoutesDialog(const CIPAddressInformation& user,
                                                      bool changesAllowed, ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;

    // After OK: the user's routes, and those read from the server that the user removed.
    [[nodiscard]] const std::vector<CRouteInformation>& GetRoutes() const { return m_rows; }
    [[nodiscard]] const CRouteRemoveList& GetRemoved() const { return m_removeList; }

  private:
    std::string m_strName;
    std::string m_strAddress;
};

}  // namespace ptp::profiles
