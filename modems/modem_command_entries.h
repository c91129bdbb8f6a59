#pragma once
// The command strings a modem keeps on the server, read the same way by the modem sheet and by the
// line sheet that shows the commands of its line's modem.
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"

namespace ptp::modems {

struct CModemCommandEntry {
    long nNumber = 0;  // the entry's number on the server
    std::string strName;
    std::string strValue;
    host::IServerObject* pElement = nullptr;  // the list's element; the list owns it
};

// The template entries `list` holds for modem `modemName`, in the order of their numbers (the
// server lists them by name). The first failed read ends the reading: its error is left in
// `*error` and the entries read before it are answered.
[[nodiscard]] std::vector<CModemCommandEntry> ReadModemCommandEntries(host::IServerList& list,
                                                                      std::string_view modemName,
                                                                      host::SOFError** error);

}  // namespace ptp::modems
