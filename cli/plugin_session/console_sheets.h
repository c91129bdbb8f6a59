#pragma once
// The sheets "ptpctl ui open" shows directly, without a console menu in between, so a script can
// drive one sheet on its own. A sheet joins by adding its entry to ConsoleSheets().
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ptp::cli {

struct SheetRequest {
    std::string system;
    std::string name;        // the object whose properties are shown; empty for a new object
    std::string basedOn;     // the object a new one starts as a copy of
    bool changeable = true;  // the signed-on user's configuration authority
    // Resource texts for what goes wrong before the sheet opens.
    std::function<std::string(std::uint32_t id, const std::vector<std::string>& args)> text;
};

struct ConsoleSheet {
    const char* kind;  // the name on the command line
    // Shows the sheet modally and gives its result, or nothing after setting `error` when it
    // could not be opened.
    std::function<std::optional<long>(const SheetRequest& request, std::string& error)> open;
};

const std::vector<ConsoleSheet>& ConsoleSheets();
const ConsoleSheet* FindConsoleSheet(const std::string& kind);

}  // namespace ptp::cli
