#pragma once
// What the context menu needs to know about the whole selection, collected in one walk over the
// selected items: how many modems are system modems, how many profiles are stopped or running,
// whether any profile needs migrating, has jobs or connections, and whether the user may change
// the server.
#include "frame/point_to_point_selected_object.h"

namespace ptp::frame {

class CPointToPointExtInterfaces;

struct CPointToPointSelectionSummary {
    bool walkFailed = false;
    int systemModems = 0;
    int otherModems = 0;
    int stoppedProfiles = 0;
    int runningProfiles = 0;
    int migrationCandidates = 0;
    bool connections = false;
    int jobs = 0;
    bool authority = false;

    // Walks the extension object's selection; its current item is the last one read.
    static CPointToPointSelectionSummary Collect(CPointToPointExtInterfaces& extension);
};

// Whether a profile status text is one of the stopped states.
[[nodiscard]] bool IsStoppedStatus(std::string_view status);
// Whether a profile in status `status` (attribute 13) may be changed: it is not running.
[[nodiscard]] bool IsChangeableStatus(std::string_view status);
// Whether the user holds configuration authority on `server`; an error means no.
[[nodiscard]] bool ReadConfigurationAuthority(std::string_view server);

}  // namespace ptp::frame
