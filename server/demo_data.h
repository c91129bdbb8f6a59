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

// What one unit of scale adds to the demo: copies of the demo's profiles, lines (each with its
// modem) and user modems, and statements of the PPP filters file. `ptpctl demo --scale 100` makes
// the 10,000-profile system the benchmarks measure.
inline constexpr int kScaleUnitProfiles = 100;
inline constexpr int kScaleUnitLines = 20;
inline constexpr int kScaleUnitModems = 5;
inline constexpr int kScaleUnitFilterStatements = 1000;

// The demo, and `units` times the unit on top of it. Seeding again with another number leaves
// the copies of a larger number in place, but writes the filters file for this one.
Status SeedScaleData(System& system, int units);

}  // namespace ptp::server
