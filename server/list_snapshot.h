#pragma once
// Lists travel to clients as the session's packed snapshots (host/session/list_snapshot.h).
#include "host/session/list_snapshot.h"

namespace ptp::server {

using ListSnapshot = host::ListSnapshot;

}  // namespace ptp::server
