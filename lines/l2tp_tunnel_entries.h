#pragma once
// The tunnel authentication of an L2TP line, kept outside its line file: one entry per line in a
// validation list of library QUSRSYS, identified by "L2TP:" and the line name, whose two data
// fields hold the tunnel host name and the tunnel secret. The dialling side keeps its entry in
// the system's default list QTOCPTP; the answering side in the list the line names. Secrets can
// be read back only while the system value QRETSVRSEC is 1.
#include <string>
#include <string_view>

#include "platform/ui/ui_constants.h"

namespace ptp::lines {

inline constexpr std::string_view kDialTunnelList = "QTOCPTP";

struct CL2TPTunnelEntry {
    std::string strHostName;
    std::string strSecret;
};

// The entry of `line` in `list`; empty fields when there is none. False after a failure was shown.
bool ReadTunnelEntry(std::string_view system, std::string_view list, std::string_view line,
                     CL2TPTunnelEntry& entry, HWND parent);
// Writes the entry; a list that does not exist gets a message of its own, other failures show the
// server's error. False after the message.
bool WriteTunnelEntry(std::string_view system, std::string_view list, std::string_view line,
                      const CL2TPTunnelEntry& entry, HWND parent);
// Sets QRETSVRSEC to 1 so that the secrets can be read back; false after the failure was shown.
bool RetainTunnelSecrets(std::string_view system, HWND parent);

}  // namespace ptp::lines
