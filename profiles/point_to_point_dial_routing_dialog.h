#pragma once
// Asks for one route: a destination network and its subnet mask. The destination must be the
// network address the mask leaves, and the route must not be in the list already.
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "profiles/route_information.h"

namespace ptp::profiles {

class CPointToPointDialRoutingDialog : public ui::CDialog {
  public:
    // `rows` are the routes the list holds, for the check against doubles.
    CPointToPointDialRoutingDialog(const std::vector<CRouteInformation>& rows, ui::CWnd* pParent);

    void OnOK() override;

    [[nodiscard]] const std::string& GetDestination() const { return m_strDestination; }
    [[nodiscard]] const std::string& GetSubnetMask() const { return m_strSubnetMask; }

  private:
    const std::vector<CRouteInformation>& m_rows;
    std::string m_strDestination;
    std::string m_strSubnetMask;
};

// Checks a destination and mask as a user typed them (already trimmed): both valid addresses,
// and the destination the network address of the mask. Refuses with a message and the focus on
// the control concerned; `destinationId` and `maskId` name them.
bool CheckRouteNetwork(ui::CDialog& dialog, const std::string& destination, const std::string& mask,
                       int destinationId, int maskId);
// Whether an address is valid; otherwise the user is told and control `id` gets the focus.
bool CheckRouteAddress(ui::CDialog& dialog, const std::string& address, int id);

}  // namespace ptp::profiles
