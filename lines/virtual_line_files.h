#pragma once
// Reading the files that hold the virtual lines (L2TP and PPPoE lines have no line object of
// their own on the server, only a record in their line file). A system that never had such a
// line has no file yet, which is not a failure.
#include "config/keyed_config_file_base.h"

namespace ptp::lines {

enum class LineFileRead { Read, Missing, Unreadable };

[[nodiscard]] LineFileRead LoadLineFile(config::CKeyedConfigFileBase& file);

}  // namespace ptp::lines
