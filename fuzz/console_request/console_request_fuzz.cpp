// Every request body the browser can send goes through every decoder; a decoded request written
// back as JSON must decode to the same request.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "console/console_request.h"

namespace {

using namespace ptp::console;
using Json = nlohmann::json;

Json SelectionJson(const SelectionRequest& selection) {
    return Json{
        {"system", selection.system}, {"folder", selection.folder}, {"items", selection.items}};
}

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string Dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::strict);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);

    if (auto menu = ParseMenuRequest(body); menu) {
        const char* kinds[] = {"object", "new", "default"};
        auto json = SelectionJson(menu->selection);
        json["kind"] = kinds[static_cast<int>(menu->kind)];
        const auto again = ParseMenuRequest(Dump(json));
        Check(again.ok() && again->selection.items == menu->selection.items &&
              again->kind == menu->kind);
    }
    if (auto invoke = ParseInvokeRequest(body); invoke) {
        auto json = SelectionJson(invoke->selection);
        json["verb"] = invoke->verb;
        const auto again = ParseInvokeRequest(Dump(json));
        Check(again.ok() && again->verb == invoke->verb &&
              again->selection.system == invoke->selection.system);
    }
    if (auto task = ParseTaskRequest(body); task) {
        auto json = SelectionJson(task->selection);
        json["task"] = task->taskId;
        const auto again = ParseTaskRequest(Dump(json));
        Check(again.ok() && again->taskId == task->taskId);
    }
    if (auto action = ParseDialogActionRequest(body); action) {
        const Json json{{"dialog", action->dialog},   {"action", action->action},
                        {"control", action->control}, {"text", action->text},
                        {"index", action->index},     {"checked", action->checked}};
        const auto again = ParseDialogActionRequest(Dump(json));
        Check(again.ok() && again->text == action->text && again->control == action->control &&
              again->index == action->index && again->dialog == action->dialog);
    }
    if (auto system = ParseAddSystemRequest(body); system) {
        Check(IsValidSystemName(system->name) && IsValidRelease(system->release));
    }
    (void)ParseSystemRequest(body);
    return 0;
}
