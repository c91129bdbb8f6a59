#include "modems/modem_sheet.h"

#include "host/server_calls.h"
#include "modems/point_to_point_modem_property_sheet.h"
#include "platform/vocabulary/kinds.h"

namespace ptp::modems {

ui::INT_PTR ShowModemPropertySheet(std::string_view server, std::string_view modemName,
                                   host::IServerObject* pModel, bool changeable, HWND parent) {
    CPointToPointModemPropertySheet sheet(server, modemName, pModel, changeable,
                                          ui::CWnd::FromHandle(parent));
    return sheet.DoModal();
}

bool DeleteModem(std::string_view server, std::string_view modemName, HWND parent) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto commands = host->Objects().CreateObject(kinds::kCPointToPointModemCommands,
                                                 host::kClientName, server, modemName, &error);
    if (commands) commands->Delete(&error);
    if (!error) return commands != nullptr;
    host::ShowAndDestroy(error, parent);
    return false;
}

}  // namespace ptp::modems
