#pragma once
// The virtual lines of the stand-in. An L2TP or PPPoE line has no line description of its own
// until its profile starts: it is a record of the L2TP or PPPoE line file, and a PPPoE line also
// needs the Ethernet line under it. A profile on a virtual line starts when its line is recorded
// (or exists as a line description, as the demo system's lines do).
#include <string_view>

#include "server/object_record.h"

namespace ptp::server {

class ObjectTx;
class StreamFiles;

inline constexpr std::string_view kL2TPLineFile = "/QKTL/UserData/NOS50/TCPIP/PPP/L2TPLine.cfg";
inline constexpr std::string_view kPPPoELineFile = "/QKTL/UserData/NOS50/TCPIP/PPP/PPPoELine.cfg";

// Whether the virtual line `profile` names is recorded in its line file (for PPPoE, with an
// Ethernet line under it that exists). False for profiles that are not on a virtual line.
[[nodiscard]] bool IsVirtualLineRecorded(StreamFiles& files, ObjectTx& tx,
                                         const ObjectRecord& profile);

}  // namespace ptp::server
