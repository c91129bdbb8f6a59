#include "modems/modem_command_entries.h"

#include <algorithm>

#include "config/config_text.h"
#include "platform/vocabulary/modem.h"

namespace ptp::modems {

std::vector<CModemCommandEntry> ReadModemCommandEntries(host::IServerList& list,
                                                        std::string_view modemName,
                                                        host::SOFError** error) {
    namespace mc = attr::modem_command;
    std::vector<CModemCommandEntry> entries;
    const long count = list.GetCount(error);
    for (long index = 0; !*error && index < count; ++index) {
        host::IServerObject* element = list.ElementAt(index, error);
        if (*error || !element) break;
        const std::string modem = element->GetAttributeText(mc::kModemName, error);
        const std::string kind = *error ? "" : element->GetAttributeText(mc::kEntryKind, error);
        if (*error) break;
        if (!config::EqualsNoCase(modem, modemName) ||
            !config::EqualsNoCase(kind, code::modem_command::kTemplate))
            continue;
        CModemCommandEntry entry;
        entry.nNumber = config::TextToInt(element->GetAttributeText(mc::kNumber, error));
        if (!*error) entry.strName = element->GetAttributeText(mc::kName, error);
        if (!*error) entry.strValue = element->GetAttributeText(mc::kValue, error);
        if (*error) break;
        entry.pElement = element;
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CModemCommandEntry& a, const CModemCommandEntry& b) {
                         return a.nNumber < b.nNumber;
                     });
    return entries;
}

}  // namespace ptp::modems
