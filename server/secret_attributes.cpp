#include "server/secret_attributes.h"

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"

namespace ptp::server {

bool IsSecretAttribute(std::string_view kind, int id) {
    return kind == kinds::kValidationListEntry && id == attr::validation_list_entry::kData2;
}

Attributes MaskSecrets(std::string_view kind, Attributes attributes) {
    for (auto& [id, value] : attributes) {
        if (IsSecretAttribute(kind, id) && !value.empty()) value = std::string(kMaskedSecret);
    }
    return attributes;
}

bool RetainsSecurityData(ObjectTx& tx) {
    auto value = tx.Get(kinds::kSystemValue, code::system_value::kRetainServerSecurity);
    return value && value->Get(attr::system_value::kValue) == "1";
}

void HideUnretainedSecrets(ObjectTx& tx, std::string_view kind, Attributes& attributes) {
    if (kind != kinds::kValidationListEntry || RetainsSecurityData(tx)) return;
    for (auto& [id, value] : attributes) {
        if (IsSecretAttribute(kind, id)) value.clear();
    }
}

}  // namespace ptp::server
