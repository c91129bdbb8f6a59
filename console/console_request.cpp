#include "console/console_request.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

namespace ptp::console {
namespace {

using Json = nlohmann::json;

constexpr std::size_t kMaxText = 4096;
constexpr std::size_t kMaxItems = 10000;
constexpr std::size_t kMaxId = 1024;

ConsoleError Bad(std::string message) {
    return Fail(ErrorKind::BadRequest, std::move(message));
}

Result<Json> ParseObject(std::string_view body) {
    if (body.size() > kMaxRequestBody) {
        return Fail(ErrorKind::TooLarge, "The request is larger than any console operation needs.");
    }
    Json json = Json::parse(body.begin(), body.end(), nullptr, false);
    if (json.is_discarded()) return Bad("The request is not valid JSON.");
    if (!json.is_object()) return Bad("The request must be a JSON object.");
    return json;
}

// Reads a required string member of at most `limit` bytes.
Result<std::string> ReadString(const Json& object, const char* key, std::size_t limit = kMaxText) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) {
        return Bad(std::string("The request needs the text '") + key + "'.");
    }
    const auto& text = it->get_ref<const std::string&>();
    if (text.size() > limit) return Bad(std::string("The text '") + key + "' is too long.");
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
        if (required) return Bad(std::string("The request needs the number '") + key + "'.");
        return fallback;
    }
    if (!it->is_number_integer()) return Bad(std::string("'") + key + "' must be a whole number.");
    const auto value = it->is_number_unsigned()
                           ? static_cast<std::int64_t>(std::min<std::uint64_t>(
                                 it->get<std::uint64_t>(), static_cast<std::uint64_t>(high) + 1))
                           : it->get<std::int64_t>();
    if (value < low || value > high) return Bad(std::string("'") + key + "' is out of range.");
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
    if (!IsValidSystemName(*system)) return Bad("The system name is not valid.");
    selection.system = *system;
    auto folder = ReadString(object, "folder", 3);
    if (!folder) return folder.error();
    if (!IsTypeCode(*folder)) return Bad("The folder must be a three-letter type code.");
    selection.folder = *folder;
    const auto items = object.find("items");
    if (items == object.end()) return selection;
    if (!items->is_array()) return Bad("'items' must be a list of item ids.");
    if (items->size() > kMaxItems) return Bad("Too many items are selected.");
    for (const auto& item : *items) {
        if (!item.is_string()) return Bad("Every item id must be a text.");
        const auto& id = item.get_ref<const std::string&>();
        if (id.empty() || id.size() > kMaxId) return Bad("An item id is empty or too long.");
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
    if (!IsValidSystemName(system)) return Bad("The system name is not valid.");
    if (!IsTypeCode(folder)) return Bad("The folder must be a three-letter type code.");
    return SelectionRequest{std::string(system), std::string(folder), {}};
}

Result<ViewRequest> ParseViewQuery(std::string_view system, std::string_view argument) {
    if (!IsValidSystemName(system)) return Bad("The system name is not valid.");
    if (argument.size() > 256) return Bad("The view's argument is too long.");
    return ViewRequest{std::string(system), std::string(argument)};
}

Result<AddSystemRequest> ParseAddSystemRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto name = ReadString(*json, "name", kMaxSystemName);
    if (!name) return name.error();
    if (!IsValidSystemName(*name)) {
        return Bad(
            "A system name has up to 63 letters, digits, dots or hyphens and starts with a letter "
            "or digit.");
    }
    auto release = ReadString(*json, "release", 6);
    if (!release) return release.error();
    if (!IsValidRelease(*release)) return Bad("A release has six digits, such as 050400.");
    return AddSystemRequest{*name, *release};
}

Result<SystemRequest> ParseSystemRequest(std::string_view body) {
    auto json = ParseObject(body);
    if (!json) return json.error();
    auto name = ReadString(*json, "name", kMaxSystemName);
    if (!name) return name.error();
    if (!IsValidSystemName(*name)) return Bad("The system name is not valid.");
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
        return Bad("The menu kind must be 'object', 'new' or 'default'.");
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
    if (verb->empty()) return Bad("The command verb is empty.");
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
    auto control = ReadInteger(*json, "control", -1, 0xFFFF, 0, false);
    if (!control) return control.error();
    request.control = static_cast<int>(*control);
    auto text = ReadOptionalString(*json, "text");
    if (!text) return text.error();
    request.text = *text;
    auto index = ReadInteger(*json, "index", -1, 0xFFFFFF, -1, false);
    if (!index) return index.error();
    request.index = static_cast<int>(*index);
    const auto checked = json->find("checked");
    if (checked != json->end()) {
        if (!checked->is_boolean()) return Bad("'checked' must be true or false.");
        request.checked = checked->get<bool>();
    }
    return request;
}

}  // namespace ptp::console
