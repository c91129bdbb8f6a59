#include "ras/console_server_views.h"

#include "platform/framework/console_navigation.h"
#include "platform/framework/item_id.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/ras.h"

namespace ptp::ras {
namespace {

std::string Level(std::string_view name) {
    return fw::ItemIdText(name, name, 0);
}

}  // namespace

std::string ServerViewPath(ServerView view) {
    std::string path = Level("Network") + fw::kLevelSeparator + Level("Servers") +
                       fw::kLevelSeparator + Level("TCP/IP");
    if (view == ServerView::DhcpServer) path += fw::kLevelSeparator + Level("DHCP");
    if (view == ServerView::DhcpRelay)
        path += fw::kLevelSeparator + Level("BOOTP/DHCP Relay Agent");
    return path;
}

bool OpenServerView(std::string_view systemName, ServerView view, HWND parent) {
    fw::IConsoleNavigation* navigation = fw::GetConsoleNavigation();
    if (navigation && SUCCEEDED(navigation->OpenView(
                          systemName, ServerViewPath(view), "",
                          ui::FormatResource(IDS_RAS_CAPTION, {std::string(systemName)}), parent)))
        return true;
    ui::AfxMessageBox(IDS_RAS_NO_VIEW, {std::string(systemName)}, ui::MB_ICONEXCLAMATION);
    return false;
}

}  // namespace ptp::ras
