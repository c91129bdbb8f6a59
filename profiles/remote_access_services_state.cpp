#include "profiles/remote_access_services_state.h"

#include "config/config_paths.h"
#include "config/ras_config.h"

namespace ptp::profiles {

CRemoteAccessServicesState ReadRemoteAccessServices(std::string_view systemName) {
    CRemoteAccessServicesState state;
    config::CPointToPointRASConfigFile file(systemName, config::kRASConfigPath, 0);
    if (file.Load() != config::kFileResultOk) return state;
    const config::CPointToPointRASConfigData* record = file.GetFirst();
    if (!record) return state;
    state.bDhcpWanClient = record->GetDHCPWanClientEnabled() == 1;
    const bool radius = record->GetRadiusEnabled() == 1;
    state.bRadiusAddresses = radius && record->GetRadiusAddressConfigEnabled() == 1;
    state.bRadiusAuthentication = radius && record->GetRadiusAuthServerEnabled() == 1;
    state.bRadiusAccounting = radius && record->GetRadiusAcctServerEnabled() == 1;
    return state;
}

bool IsRadiusAuthenticationOn(std::string_view systemName) {
    return ReadRemoteAccessServices(systemName).bRadiusAuthentication;
}

bool IsRadiusAccountingOn(std::string_view systemName) {
    return ReadRemoteAccessServices(systemName).bRadiusAccounting;
}

bool IsDhcpWanClientOn(std::string_view systemName) {
    return ReadRemoteAccessServices(systemName).bDhcpWanClient;
}

bool IsRadiusAddressAssignmentOn(std::string_view systemName) {
    return ReadRemoteAccessServices(systemName).bRadiusAddresses;
}

}  // namespace ptp::profiles
