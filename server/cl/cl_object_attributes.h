#pragma once
// The attribute numbers the CL commands use are those of host/object_kinds.h, which the plug-in
// reads and writes through the host: one table, so the two sides cannot drift apart.
#include "host/object_kinds.h"

namespace ptp::server::cl {
namespace attr = ::ptp::host::attributes;
}  // namespace ptp::server::cl
