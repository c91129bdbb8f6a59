#pragma once
// What the three TCP/IP pages share: checking an address the user typed, and the Advanced dialog
// with the route daemon record it rewrites when the page stores.
#include <memory>
#include <string>
#include <vector>

#include "host/route_d_interface_configuration.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_tcpip_settings_advanced_dialog.h"

namespace ptp::profiles {

class CPointToPointProfileTCPIPPage : public CPointToPointProfilePage {
  public:
    using CPointToPointProfilePage::CPointToPointProfilePage;

  protected:
    // An address as the page shows it: the words older clients stored for none show as empty.
    [[nodiscard]] static std::string ShownAddress(const std::string& stored);
    // Fills combo box `id` with the system's own interfaces, each followed by its kind; what the
    // user typed stays.
    void FillLocalAddresses(int id);
    // True when `address` is a valid address; otherwise the page becomes active, the user is
    // told, and control `id` gets the focus.
    bool CheckAddress(const std::string& address, int id);
    // Refuses with `message` on this page, the focus on control `id`; answers kPageFailed.
    int Refuse(UINT message, int id);
    // A dialog of this page failed to store: the page becomes active, the user is told and the
    // dialog opens again so the user can put it right. Answers kPageFailed.
    int ReopenAfterFailure(ui::CDialog& dialog, UINT message, const std::vector<std::string>& args);
    // The Advanced button: the dialog, with its values read on first use.
    void OpenAdvanced();
    // Step after the page's own attributes: the Advanced dialog stores and the profile's route
    // daemon record is rewritten. kPageFailed after the user was told.
    int StoreAdvanced();

  private:
    // Reads the route daemon's file on first use; false after the user was told.
    bool ReadRoutes();
    [[nodiscard]] bool EnsureAdvancedDialog();

    std::unique_ptr<host::CRouteDInterfaceConfiguration> m_pifcFileRouteDInterface;
    std::unique_ptr<CPointToPointProfileTCPIPSettingsAdvancedDialog> m_pAdvancedDialog;
};

}  // namespace ptp::profiles
