#include "ras/dhcp_service_commands.h"

#include <initializer_list>
#include <string>

#include "host/host_services.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/ras.h"

namespace ptp::ras {
namespace {

// The failure's two texts: which command failed where, and the server's reply.
void ShowFailure(std::string_view systemName, std::string_view command, std::string_view reply) {
    const std::string what =
        ui::FormatResource(IDS_RAS_COMMAND_FAILED, {std::string(command), std::string(systemName)});
    ui::AfxMessageBox(what + "\n\n" + std::string(reply), ui::MB_ICONEXCLAMATION);
}

bool RunSequence(std::string_view systemName, std::initializer_list<std::string_view> commands) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    int status = 0;
    auto connection = host->Commands().OpenConnection(systemName, 1, status);
    for (std::string_view command : commands) {
        if (!connection) {
            ShowFailure(systemName, command, "");
            return false;
        }
        const std::string reply = connection->RunCommand(command);
        if (reply.empty()) continue;
        ShowFailure(systemName, command, reply);
        return false;
    }
    return true;
}

}  // namespace

bool StartDhcpRelay(std::string_view systemName) {
    return RunSequence(systemName, {"CHGDHCPA MODE(*RELAY)", "STRTCPSVR SERVER(*DHCP)"});
}

bool StartDhcpServer(std::string_view systemName) {
    return RunSequence(systemName, {"CHGDHCPA MODE(*SERVER)", "STRTCPSVR SERVER(*DHCP)"});
}

bool RestartDhcpServer(std::string_view systemName) {
    return RunSequence(systemName, {"STRTCPSVR SERVER(*DHCP) RESTART(*DHCP)"});
}

}  // namespace ptp::ras
