#pragma once
// What the server refuses among the settings a client writes into a connection profile: the
// numbers, multilink and redial settings of its connection, the domain name server, the connection script and its job's subsystem, the addresses and switches
// of its TCP/IP settings. Only values the client sends are judged (against the profile as it will
// be), so a profile that an older client left odd can still have its other settings changed.
#include <string_view>

#include "server/object_record.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server {

// The refusal of attribute `id` of object `object` holding `value`.
[[nodiscard]] Error BadAttribute(std::string_view value, int id, std::string_view object,
                                 std::string_view why);

// `after` is the profile as it will be once `staged` is written.
Status CheckProfileSettings(ObjectTx& tx, const ObjectRecord& after, const Attributes& staged);

}  // namespace ptp::server
