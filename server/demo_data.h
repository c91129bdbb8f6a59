#pragma once
// A realistic system to show on first start and to try things on: profiles of every kind and
// state, lines of every kind with a pool, system and user modems with command strings, hardware
// resources, TCP/IP interfaces, validation lists, group policies, the PPP filters file and the
// configuration files of the remote access services. Seeding again brings the demo objects back
// to their demo values and leaves everything else alone.
#include "server/result.h"

namespace ptp::server {

class System;

Status SeedDemoData(System& system);

}  // namespace ptp::server
