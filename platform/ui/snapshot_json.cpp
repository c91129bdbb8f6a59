#include "platform/ui/snapshot_json.h"

#include <nlohmann/json.hpp>

#include "platform/ui/control_names.h"
#include "platform/ui/script_json_internal.h"

namespace ptp::ui {
namespace {

using Json = nlohmann::json;

// A control with the name its template gives it, so a front end may act on it by name.
Json ControlJson(const ControlState& c, std::uint32_t templateId) {
    Json json{{"id", c.id},
              {"kind", c.kind},
              {"label", c.label},
              {"text", c.text},
              {"enabled", c.enabled},
              {"visible", c.visible},
              {"focused", c.focused},
              {"x", c.x},
              {"y", c.y},
              {"w", c.width},
              {"h", c.height},
              {"group", c.group}};
    if (const std::string name = ControlNameOf(templateId, c.id); !name.empty())
        json["name"] = name;
    if (c.kind == "edit" || c.kind == "combobox") {
        json["limit"] = c.limit;
        json["readOnly"] = c.readOnly;
        json["digitsOnly"] = c.digitsOnly;
        json["password"] = c.password;
    }
    if (c.kind == "checkbox" || c.kind == "radio" || c.kind == "button") {
        json["check"] = c.check;
        json["default"] = c.isDefault;
    }
    if (c.kind == "combobox" || c.kind == "listbox" || c.kind == "listview") {
        json["items"] = c.items;
        json["selected"] = c.selected;
        json["dropDownList"] = c.dropDownList;
    }
    if (c.kind == "listview") {
        Json columns = Json::array();
        for (const auto& column : c.columns) {
            columns.push_back({{"heading", column.heading}, {"width", column.width}});
        }
        Json rows = Json::array();
        for (const auto& row : c.rows) {
            rows.push_back({{"cells", row.cells}, {"selected", row.selected}});
        }
        json["columns"] = std::move(columns);
        json["rows"] = std::move(rows);
        json["editingRow"] = c.editingRow;
        json["editable"] = c.editable;
    }
    if (c.kind == "spin") {
        json["low"] = c.rangeLow;
        json["high"] = c.rangeHigh;
        json["pos"] = c.pos;
        json["buddy"] = c.buddy;
    }
    return json;
}

Json ControlsJson(const std::vector<ControlState>& controls, std::uint32_t templateId) {
    Json json = Json::array();
    for (const auto& control : controls)
        json.push_back(ControlJson(control, templateId));
    return json;
}

Json DialogJson(const DialogState& d) {
    Json json{{"handle", d.handle},
              {"className", d.className},
              {"template", d.templateId},
              {"caption", d.caption},
              {"w", d.width},
              {"h", d.height},
              {"contextHelp", d.contextHelp},
              {"focus", d.focus},
              {"controls", ControlsJson(d.controls, d.templateId)},
              {"isSheet", d.isSheet},
              {"isWizard", d.isWizard}};
    if (!d.isSheet) return json;
    Json pages = Json::array();
    for (const auto& page : d.pages) {
        pages.push_back({{"template", page.templateId},
                         {"className", page.className},
                         {"caption", page.caption},
                         {"created", page.created}});
    }
    json["pages"] = std::move(pages);
    json["activePage"] = d.activePage;
    const bool hasActive = d.activePage >= 0 && d.activePage < static_cast<int>(d.pages.size());
    json["pageControls"] =
        ControlsJson(d.pageControls, hasActive ? d.pages[d.activePage].templateId : 0);
    return json;
}

}  // namespace

std::string SnapshotToJson(const UiSnapshot& snapshot) {
    Json dialogs = Json::array();
    for (const auto& dialog : snapshot.dialogs)
        dialogs.push_back(DialogJson(dialog));
    Json json{{"dialogs", std::move(dialogs)},
              {"waitCursor", snapshot.waitCursor},
              {"now", snapshot.now},
              {"messageBox", nullptr},
              {"help", nullptr}};
    if (const auto& box = snapshot.messageBox) {
        json["messageBox"] = {{"resource", box->resourceId}, {"style", box->style},
                              {"caption", box->caption},     {"text", box->text},
                              {"buttons", box->buttons},     {"default", box->defaultButton}};
    }
    if (const auto& help = snapshot.help) {
        json["help"] = {{"topic", help->topic},
                        {"command", help->command},
                        {"found", help->found},
                        {"title", help->title},
                        {"text", help->text}};
    }
    Json timers = Json::array();
    for (const auto& timer : snapshot.timers) {
        timers.push_back({{"dialog", timer.dialog},
                          {"id", timer.id},
                          {"interval", timer.interval},
                          {"due", timer.due}});
    }
    json["timers"] = std::move(timers);
    // Texts come from users and servers; replacing bad UTF-8 keeps the output valid JSON.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<ParsedAction> ParseActionJson(std::string_view text, std::string& error) {
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded()) {
        error = "the action is not JSON";
        return std::nullopt;
    }
    auto action = ReadAction(json, error);
    if (!action) return std::nullopt;
    ParsedAction parsed{std::move(*action), std::nullopt};
    if (!json.is_object() || !json.contains("dialog")) return parsed;
    if (!json["dialog"].is_number_unsigned()) {
        error = "\"dialog\" is a dialog handle";
        return std::nullopt;
    }
    parsed.dialog = json["dialog"].get<std::uint64_t>();
    return parsed;
}

}  // namespace ptp::ui
