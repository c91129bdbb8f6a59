#pragma once
// What the plug-in's commands and tasks call to work on modems (NEWMODEM, NEWBASEDON, PROPERTIES
// and DELETE of a modem, and the new-modem task):
//
//   modems::ShowModemPropertySheet(server, "", nullptr, authority, parent);      // NEWMODEM
//   modems::ShowModemPropertySheet(server, "", listRecord, authority, parent);   // NEWBASEDON
//   modems::ShowModemPropertySheet(server, name, listRecord, authority, parent); // PROPERTIES
//   modems::DeleteModem(server, name, parent);                                  // DELETE
//
// The sheet can also be built directly (CPointToPointModemPropertySheet + DoModal).
#include <string_view>

#include "host/host_services.h"
#include "platform/ui/ui_constants.h"

namespace ptp::modems {

// Opens the modem sheet modally and returns its result (IDOK after a commit, IDCANCEL).
// `modemName` empty creates a modem; with `pModel` (the model's list record, which stays the
// caller's) the new modem starts as a copy of it. In properties mode `pModel` is not used.
ui::INT_PTR ShowModemPropertySheet(std::string_view server, std::string_view modemName,
                                   host::IServerObject* pModel, bool changeable, HWND parent);

// Deletes a modem and its command entries through the modem commands object. A server error
// (for instance for a system-supplied modem) is shown over `parent`; true on success.
bool DeleteModem(std::string_view server, std::string_view modemName, HWND parent);

}  // namespace ptp::modems
