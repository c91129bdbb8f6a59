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
    state.bRadiusAddresses =
        record->GetRadiusEnabled() == 1 && record->GetRadiusAddressConfigEnabled() == 1;
    return state;
}

}  // namespace ptp::profiles
