#include "wizard/wdn_dialer.h"

#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

ui::INT_PTR RunWDNDialerWizard(std::string_view server, HWND) {
    CPointToPointProfileWDNDialerWizard wizard{std::string(server)};
    if (!wizard.LoadSystem()) return -1;
    return wizard.DoModal();
}

}  // namespace ptp::wizard
