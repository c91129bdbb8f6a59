#pragma once
// The bodies the browser sends, decoded and checked before any console operation sees them.
// Everything here is strict: unknown shapes are refused with a message that says what was wrong.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/console_error.h"

namespace ptp::console {

struct AddSystemRequest {
    std::string name;
    std::string release;  // VVRRMM
};

struct SystemRequest {
    std::string name;
};

// The objects the user selected: a folder of a system and, when items are selected, their ids.
struct SelectionRequest {
    std::string system;
    std::string folder;              // the folder's type code, "NPF", "NMD", ...
    std::vector<std::string> items;  // item ids as the list gave them
};

enum class MenuKind { Object, New, Default };

struct MenuRequest {
    SelectionRequest selection;
    MenuKind kind = MenuKind::Object;
};

struct InvokeRequest {
    SelectionRequest selection;
    std::string verb;
};

struct TaskRequest {
    SelectionRequest selection;
    std::uint32_t taskId = 0;
};

// One thing the user did in an open dialog.
struct DialogActionRequest {
    std::uint64_t dialog = 0;  // the serial number of the dialog the browser saw
    std::string action;        // "set", "click", "select", "check", "page", "ok", "cancel", ...
    int control = 0;
    std::string controlName;  // the control by its template name ("IDC_MODEM_NAME") instead
    std::string text;
    int index = -1;
    bool checked = false;
};

inline constexpr std::size_t kMaxRequestBody = 64 * 1024;

// A folder named in a query string: ?system=DEMO&folder=NPF.
[[nodiscard]] Result<SelectionRequest> ParseFolderQuery(std::string_view system,
                                                        std::string_view folder);
// A console view's query: the system and one free argument (a job prefix, a job, a file).
struct ViewRequest {
    std::string system;
    std::string argument;
};
[[nodiscard]] Result<ViewRequest> ParseViewQuery(std::string_view system,
                                                 std::string_view argument);

[[nodiscard]] Result<AddSystemRequest> ParseAddSystemRequest(std::string_view body);
[[nodiscard]] Result<SystemRequest> ParseSystemRequest(std::string_view body);
[[nodiscard]] Result<MenuRequest> ParseMenuRequest(std::string_view body);
[[nodiscard]] Result<InvokeRequest> ParseInvokeRequest(std::string_view body);
[[nodiscard]] Result<TaskRequest> ParseTaskRequest(std::string_view body);
[[nodiscard]] Result<DialogActionRequest> ParseDialogActionRequest(std::string_view body);

// A system name as the console accepts it: a host name of up to 63 letters, digits, dots and
// hyphens, starting with a letter or digit.
inline constexpr std::size_t kMaxSystemName = 63;
[[nodiscard]] bool IsValidSystemName(std::string_view name);
// A release VVRRMM: six decimal digits.
[[nodiscard]] bool IsValidRelease(std::string_view release);

}  // namespace ptp::console
