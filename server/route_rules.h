#pragma once
// What the server refuses in a static route a client commits: an interface that cannot be a
// profile's, a destination that is not the network address of its mask, and a route the
// interface already has.
#include <string_view>

#include "server/object_record.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server {

// `key` is the route's name ("<profile>/<destination>/<mask>/<next hop>"); `created` says the
// client made a new route rather than changing a stored one.
Status CheckRouteCommit(ObjectTx& tx, std::string_view key, bool created, const Attributes& staged);

}  // namespace ptp::server
