#include "cli/plugin_session/console_sheets.h"

#include <memory>

#include "host/host_services.h"
#include "modems/modem_sheet.h"
#include "platform/ui/ui_constants.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"

namespace ptp::cli {
namespace {

constexpr std::uint32_t kNoModem = 32064;
constexpr std::uint32_t kNoModemList = 32065;

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The modem's record of the server's modem list, as the modems folder hands it to the sheet;
// the list keeps it.
host::IServerObject* FindModem(host::IServerList& list, const std::string& name) {
    host::SOFError* error = nullptr;
    const long count = list.GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* record = list.ElementAt(index, &error);
        if (!record || error) break;
        if (SameName(record->GetAttributeText(attr::modem::kName, &error), name)) return record;
    }
    if (error) error->Destroy();
    return nullptr;
}

std::optional<long> OpenModem(const SheetRequest& request, std::string& error) {
    if (request.name.empty() && request.basedOn.empty()) {
        return modems::ShowModemPropertySheet(request.system, "", nullptr, request.changeable,
                                              nullptr);
    }
    host::IHost* host = host::GetHost();
    host::SOFError* listError = nullptr;
    auto list = host ? host->Objects().CreateList(kinds::kModem, host::kClientName, request.system,
                                                  "", &listError)
                     : nullptr;
    if (list && !listError) list->Open(&listError);
    if (!list || listError) {
        if (listError) listError->Destroy();
        error = request.text(kNoModemList, {request.system});
        return std::nullopt;
    }
    const std::string& wanted = request.basedOn.empty() ? request.name : request.basedOn;
    host::IServerObject* record = FindModem(*list, wanted);
    if (!record) {
        error = request.text(kNoModem, {wanted, request.system});
        return std::nullopt;
    }
    if (!request.basedOn.empty()) {
        return modems::ShowModemPropertySheet(request.system, "", record, request.changeable,
                                              nullptr);
    }
    host::SOFError* nameError = nullptr;
    const std::string name = record->GetAttributeText(attr::modem::kName, &nameError);
    if (nameError) nameError->Destroy();
    return modems::ShowModemPropertySheet(request.system, name, record, request.changeable,
                                          nullptr);
}

}  // namespace

const std::vector<ConsoleSheet>& ConsoleSheets() {
    static const std::vector<ConsoleSheet> sheets = {
        {"modem", OpenModem},
    };
    return sheets;
}

const ConsoleSheet* FindConsoleSheet(const std::string& kind) {
    for (const ConsoleSheet& sheet : ConsoleSheets()) {
        if (SameName(sheet.kind, kind)) return &sheet;
    }
    return nullptr;
}

}  // namespace ptp::cli
