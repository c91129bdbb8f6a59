#pragma once
// Asks for one user entry of the per-user address list: the user's name, the address it gets,
// and optionally a network behind it (a destination, or "*DFTROUTE" for everything, with a
// subnet mask; "255.255.255.255" makes it a host route).
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "profiles/ip_address_information.h"

namespace ptp::profiles {

class CPointToPointAnswerRoutingDialog : public ui::CDialog {
  public:
    // `users` are the entries the list holds, for the check against doubles.
    CPointToPointAnswerRoutingDialog(const std::vector<CIPAddressInformation>& users,
                                     ui::CWnd* pParent);

    void OnOK() override;

    // The entry as typed, with its route when one was given.
    [[nodiscard]] const CIPAddressInformation& GetEntry() const { return m_entry; }

  private:
    // Checks the optional route; false after the user was told.
    bool CheckRoute(const std::string& destination, const std::string& mask);

    const std::vector<CIPAddressInformation>& m_users;
    CIPAddressInformation m_entry;
};

}  // namespace ptp::profiles
