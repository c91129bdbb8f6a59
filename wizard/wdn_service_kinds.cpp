#include "wizard/wdn_service_kinds.h"

#include "resources/ids/wizard.h"

namespace ptp::wizard {

namespace {

// The servers the service publishes for each kind of subscription: the first one is its name
// and mail server, the second its gateway to the rest of the service.
constexpr std::array<CWDNServiceKind, 4> kServiceKinds = {{
    {"SECUREIP", IDS_WDN_SERVICE_SECUREIP, {"192.0.2.10", "192.0.2.11"}},
    {"FIXEDIP", IDS_WDN_SERVICE_FIXEDIP, {"192.0.2.20", "192.0.2.21"}},
    {"DUALACCESS", IDS_WDN_SERVICE_DUALACCESS, {"192.0.2.30", "192.0.2.31"}},
    {"INTERNET", IDS_WDN_SERVICE_INTERNET, {"192.0.2.40", "192.0.2.41"}},
}};

}  // namespace

const CWDNServiceKind* ServiceKindAt(int index) {
    if (index < 0 || index >= static_cast<int>(kServiceKinds.size())) return nullptr;
    return &kServiceKinds[static_cast<std::size_t>(index)];
}

const CWDNServiceKind* FindServiceKind(std::string_view name) {
    for (const CWDNServiceKind& kind : kServiceKinds) {
        if (kind.name == name) return &kind;
    }
    return nullptr;
}

}  // namespace ptp::wizard
