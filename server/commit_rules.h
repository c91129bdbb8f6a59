#pragma once
// What the server refuses, or fills in, when a client commits a server object through the
// object-access interface (a sheet's OK): the values a client may set, as opposed to what the
// store keeps for any object (object_rules.h). Runs inside the commit's transaction, so a refused
// commit writes nothing.
#include <string_view>

#include "server/object_record.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server {

// `staged` is what the client commits to the object `key` of `kind`; `created` says whether the
// client created the object without a name (a new object whose key came from its attributes).
// May add values the server derives (a new profile's status) to `staged`.
Status CheckClientCommit(ObjectTx& tx, std::string_view kind, std::string_view key, bool created,
                         Attributes& staged);

}  // namespace ptp::server
