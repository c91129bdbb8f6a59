#pragma once
// The console's views of the server's TCP/IP servers that the services sheet opens: all of them,
// the DHCP server's configuration, the relay agent's. The console decides what it shows there.
#include <string>
#include <string_view>

#include "platform/com/wintypes.h"

namespace ptp::ras {

enum class ServerView { TcpipServers, DhcpServer, DhcpRelay };

// The console path of a view: "Network", "Servers", "TCP/IP" and the server's folder, as
// item-id text levels joined by U+000F.
[[nodiscard]] std::string ServerViewPath(ServerView view);
// Opens the view for `systemName`; a console that cannot is reported to the user. True when
// it opened.
bool OpenServerView(std::string_view systemName, ServerView view, HWND parent);

}  // namespace ptp::ras
