#pragma once
// Secrets the system keeps but never hands out in clear: the passwords of validation-list
// entries. The audit trail and the tools show them masked; clients read them back only while the
// system retains server security data (system value QRETSVRSEC is 1), as the server does.
#include <string_view>

#include "server/object_record.h"
#include "server/object_tx.h"

namespace ptp::server {

// What a masked secret shows instead of its value; an empty secret stays empty.
inline constexpr std::string_view kMaskedSecret = "********";

[[nodiscard]] bool IsSecretAttribute(std::string_view kind, int id);
// `attributes` with every secret of `kind` masked.
[[nodiscard]] Attributes MaskSecrets(std::string_view kind, Attributes attributes);
// Whether the system hands secrets back to clients.
[[nodiscard]] bool RetainsSecurityData(ObjectTx& tx);
// Clears the secrets of `kind` from what a client reads, unless the system retains them.
void HideUnretainedSecrets(ObjectTx& tx, std::string_view kind, Attributes& attributes);

}  // namespace ptp::server
