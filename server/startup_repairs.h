#pragma once
// What a system puts right when it is opened after a client died half-way through a save.
#include "server/result.h"

namespace ptp::server {

class Database;

// A new line is made in two steps, the create command and then its modem association; a client
// killed between the two leaves a line that no list shows a modem for. Such a line gets the modem
// its line sheet proposes for its kind (none for a leased line, the V.25bis modem for a
// synchronous or V.25bis-dialling line, the generic AT modem otherwise), and the command log says
// so, naming the line and the modem, so the administrator knows to check the choice. Digital lines
// choose their interfaces, not a modem, and are left alone.
Status RepairLinesWithoutModem(Database& db);

}  // namespace ptp::server
