#include "console/console_request.h"
#include "console/console_texts.h"
#include "platform/ui/toolkit.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

namespace ptp::console {
namespace {

using Json = nlohmann::json;

constexpr std::size_t kMaxText = 4096;
constexpr std::size_t kMaxItems = 10000;
constexpr std::size_t kMaxId = 1024;
constexpr std::size_t kMaxControlName = 64;

ConsoleError Bad(std::string message) {
    return Fail(ErrorKind::BadRequest, std::move(message));
}

Result<Json> ParseObject(std::string_view body) {
    if (body.size() > kMaxRequestBody) {
        return Fail(ErrorKind::TooLarge, ui::LoadText(IDS_CONSOLE_REQUEST_TOO_LARGE));
    }
    Json json = Json::parse(body.begin(), body.end(), nullptr, false);
    if (json.is_discarded()) return Bad(ui::LoadText(IDS_CONSOLE_NOT_JSON));
    if (!json.is_object()) return Bad(ui::LoadText(IDS_CONSOLE_NOT_AN_OBJECT));
    return json;
}

// Reads a required string member of at most `limit` bytes.
Result<std::string> ReadString(const Json& object, const char* key, std::size_t limit = kMaxText) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) {
        return Bad(ui::FormatResource(IDS_CONSOLE_NEEDS_TEXT, {key}));
    }
    const auto& text = it->get_ref<const std::string&>();
    if (text.size() > limit) return Bad(ui::FormatResource(IDS_CONSOLE_TEXT_TOO_LONG, {key}));
    return text;
}

Result<std::string> ReadOptionalString(const Json& object, const char* key) {
    if (!object.contains(key)) return std::string();
    return ReadString(object, key);
}

Result<std::int64_t> ReadInteger(const Json& object, const char* key, std::int64_t low,
                                 std::int64_t high, std::int64_t fallback, bool required) {
    const auto it = object.find(key);
    if (it == object.end()) {
        if (required) return Bad(ui::FormatResource(IDS_CONSOLE_NEEDS_NUMBER, {key}));
        return fallback;
    }
    if (!it->is_number_integer())
        return Bad(ui::FormatResource(IDS_CONSOLE_NOT_A_WHOLE_NUMBER, {key}));
    const auto value = it->is_number_unsigned()
                           ? static_cast<std::int64_t>(std::min<std::uint64_t>(
                                 it->get<std::uint64_t>(), static_cast<std::uint64_t>(high) + 1))
                           : it->get<std::int64_t>();
    if (value < low || value > high)
        return Bad(ui::FormatResource(IDS_CONSOLE_OUT_OF_RANGE, {key}));
    return value;
}

bool IsTypeCode(std::string_view code) {
    return code.size() == 3 &&
           std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isupper(c); });
}

Result<SelectionRequest> ReadSelection(const Json& object) {
    SelectionRequest selection;
    auto system = ReadString(object, "system", kMaxSystemName);
    if (!system) return system.error();
    if (!IsValidSystemName(*system)) return Bad(ui::LoadText(IDS_CONSOLE_BAD_SYSTEM_NAME));
    selection.system = *system;
    auto folder = ReadString(object, "folder", 3);
    if (!folder) return folder.error();
    if (!IsTypeCode(*folder)) return Bad(ui::LoadText(IDS_CONSOLE_BAD_FOLDER));
    selection.folder = *folder;
    const auto items = object.find("items");
    if (items == object.end()) return selection;
    if (!items->is_array()) return Bad(ui::LoadText(IDS_CONSOLE_ITEMS_NOT_A_LIST));
    if (items->size() > kMaxItems) return Bad(ui::LoadText(IDS_CONSOLE_TOO_MANY_ITEMS));
    for (const auto& item : *items) {
        if (!item.is_string()) return Bad(ui::LoadText(IDS_CONSOLE_ITEM_ID_NOT_TEXT));
        const auto& id = item.get_ref<const std::string&>();
        if (id.empty() || id.size() > kMaxId)
            return Bad(ui::LoadText(IDS_CONSOLE_BAD_ITEM_ID_LENGTH));
        selection.items.push_back(id);
    }
    return selection;
}

}  // namespace

bool IsValidSystemName(std::string_view name) {
    if (name.empty() || name.size() > kMaxSystemName) return false;
    if (!std::isalnum(static_cast<unsigned char>(name.front()))) return false;
    if (name.find("..") != std::string_view::npos) return false;
    return std::all_of(name.begin(), name.end(),
                       [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '.'; });
}

bool IsValidRelease(std::string_view release) {
    return release.size() == 6 && std::all_of(release.begin(), release.end(),
                                              [](unsigned char c) { return std::isdigit(c); });
}

Result<SelectionRequest> ParseFolderQuery(std::string_view system, std::string_view folder) {
    if (!IsValidSystemName(system)) return Bad(ui::LoadText(IDS_CONSOLE_BAD_SYSTEM_NAME));
    if (!IsTypeCode(folder)) return Bad(ui::LoadText(IDS_CONSOLE_BAD_FOLDER));
    return SelectionRequest{std::string(system), std::string(folder), {}};
}

Result<ViewRequest> ParseViewQuery(std::string_view system, std::string_view argument) {
    if (!IsValidSystemName(system)) return Bad(ui::LoadText(IDS_CONSOLE_BAD_SYSTEM_NAME));
    if (argument.size() > 256) return Bad(ui::LoadText(IDS_CONSOLE_VIEW_ARGUMENT_TOO_LONG));
    return ViewRequest{std::string(system), std::string(argument)};
}

Result<AddSystemRequest> ParseAddSystemRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto name = ReadString(*json, "name", kMaxSystemName);
    if (!name) return name.error();
    if (!IsValidSystemName(*name)) {
        return Bad(ui::LoadText(IDS_CONSOLE_SYSTEM_NAME_RULE));
    }
    auto release = ReadString(*json, "release", 6);
    if (!release) return release.error();
    if (!IsValidRelease(*release)) return Bad(ui::LoadText(IDS_CONSOLE_RELEASE_RULE));
    return AddSystemRequest{*name, *release};
}

Result<SystemRequest> ParseSystemRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto name = ReadString(*json, "name", kMaxSystemName);
    if (!name) return name.error();
    if (!IsValidSystemName(*name)) return Bad(ui::LoadText(IDS_CONSOLE_BAD_SYSTEM_NAME));
    return SystemRequest{*name};
}

Result<MenuRequest> ParseMenuRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto selection = ReadSelection(*json);
    if (!selection) return selection.error();
    auto kind = ReadOptionalString(*json, "kind");
    if (!kind) return kind.error();
    MenuRequest request{*selection, MenuKind::Object};
    if (*kind == "new") {
        request.kind = MenuKind::New;
    } else if (*kind == "default") {
        request.kind = MenuKind::Default;
    } else if (!kind->empty() && *kind != "object") {
        return Bad(ui::LoadText(IDS_CONSOLE_BAD_MENU_KIND));
    }
    return request;
}

Result<InvokeRequest> ParseInvokeRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto selection = ReadSelection(*json);
    if (!selection) return selection.error();
    auto verb = ReadString(*json, "verb", 64);
    if (!verb) return verb.error();
    if (verb->empty()) return Bad(ui::LoadText(IDS_CONSOLE_EMPTY_VERB));
    return InvokeRequest{*selection, *verb};
}

Result<TaskRequest> ParseTaskRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto selection = ReadSelection(*json);
    if (!selection) return selection.error();
    auto id = ReadInteger(*json, "task", 0, 0xFFFFFFFFll, 0, true);
    if (!id) return id.error();
    return TaskRequest{*selection, static_cast<std::uint32_t>(*id)};
}

Result<DialogActionRequest> ParseDialogActionRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    DialogActionRequest request;
    auto dialog = ReadInteger(*json, "dialog", 0, 0x7FFFFFFFFFFFFFFFll, 0, true);
    if (!dialog) return dialog.error();
    request.dialog = static_cast<std::uint64_t>(*dialog);
    auto action = ReadString(*json, "action", 32);
    if (!action) return action.error();
    request.action = *action;
    if (const auto named = json->find("control"); named != json->end() && named->is_string()) {
        auto name = ReadString(*json, "control", kMaxControlName);
        if (!name) return name.error();
        request.controlName = *name;
    } else {
        auto control = ReadInteger(*json, "control", -1, 0xFFFF, 0, false);
        if (!control) return control.error();
        request.control = static_cast<int>(*control);
    }
    auto text = ReadOptionalString(*json, "text");
    if (!text) return text.error();
    request.text = *text;
    auto index = ReadInteger(*json, "index", -1, 0xFFFFFF, -1, false);
    if (!index) return index.error();
    request.index = static_cast<int>(*index);
    const auto checked = json->find("checked");
    if (checked != json->end()) {
        if (!checked->is_boolean()) return Bad(ui::LoadText(IDS_CONSOLE_CHECKED_NOT_BOOLEAN));
        request.checked = checked->get<bool>();
    }
    return request;
}

}  // namespace ptp::console
