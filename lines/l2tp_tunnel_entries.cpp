#include "lines/l2tp_tunnel_entries.h"

#include <cstdio>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_page_base.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {
namespace {

namespace vl = attr::validation_list_entry;

constexpr std::string_view kLibrary = "QUSRSYS";
constexpr std::string_view kEntryPrefix = "L2TP:";
constexpr std::string_view kListMissing = "CPF226D";

std::string IdentifierHex(std::string_view line) {
    const std::string identifier = std::string(kEntryPrefix) + config::ToUpper(line);
    std::string hex;
    char digits[3];
    for (unsigned char c : identifier) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        hex += digits;
    }
    return hex;
}

std::string EntryName(std::string_view list, std::string_view line) {
    return config::ToUpper(list) + "/" + IdentifierHex(line);
}

std::unique_ptr<host::IServerObject> EntryObject(host::IHost& host, std::string_view system,
                                                 std::string_view list, std::string_view line,
                                                 host::SOFError** error) {
    return host.Objects().CreateObject(kinds::kValidationListEntry, host::kClientName,
                                       config::ToUpper(system), EntryName(list, line), error);
}

}  // namespace

bool ReadTunnelEntry(std::string_view system, std::string_view list, std::string_view line,
                     CL2TPTunnelEntry& entry, HWND parent) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto object = EntryObject(*host, system, list, line, &error);
    if (object && !error) entry.strHostName = object->GetAttributeText(vl::kData1, &error);
    if (object && !error) entry.strSecret = object->GetAttributeText(vl::kData2, &error);
    if (object && !error) return true;
    host::ShowAndDestroy(error, parent);
    return false;
}

bool WriteTunnelEntry(std::string_view system, std::string_view list, std::string_view line,
                      const CL2TPTunnelEntry& entry, HWND parent) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto object = EntryObject(*host, system, list, line, &error);
    if (object && !error) {
        object->SetAttribute(vl::kListName, config::ToUpper(list));
        object->SetAttribute(vl::kLibrary, kLibrary);
        object->SetAttribute(vl::kIdentifier, IdentifierHex(line));
        object->SetAttribute(vl::kData1, entry.strHostName);
        object->SetAttribute(vl::kData2, entry.strSecret);
        object->Commit(&error);
    }
    if (object && !error) return true;
    if (host::IsPendingError(error) && error->GetMessageId() == kListMissing) {
        error->Destroy();
        ui::AfxMessageBox(IDS_VLINE_VALIDATION_LIST_MISSING, {std::string(list)},
                          ui::MB_ICONWARNING | ui::MB_SYSTEMMODAL);
        return false;
    }
    host::ShowAndDestroy(error, parent);
    return false;
}

bool RetainTunnelSecrets(std::string_view system, HWND parent) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto values = host->Objects().CreateObject(kinds::kSystemValues, host::kClientName,
                                               config::ToUpper(system),
                                               code::system_value::kRetainServerSecurity, &error);
    if (values && !error) {
        if (values->GetAttributeText(attr::system_value::kValue, &error) == "1" && !error)
            return true;
        values->SetAttribute(attr::system_value::kValue, "1");
        if (!error) values->Commit(&error);
    }
    if (values && !error) return true;
    if (host::IsPendingError(error))
        error->SetTraceText("Error: ->SetValidationListSystemValue failed to set QRETSVRSEC.");
    host::ShowAndDestroy(error, parent);
    ui::AfxMessageBox(IDS_VLINE_RETAIN_SECURITY_FAILED, kLineMessageStyle);
    return false;
}

}  // namespace ptp::lines
