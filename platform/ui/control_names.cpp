#include "platform/ui/control_names.h"

#include <array>
#include <utility>

#include "platform/res/resource_module.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/ui_constants.h"

namespace ptp::ui {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 3> kStandardButtons{{
    {"IDOK", IDOK},
    {"IDCANCEL", IDCANCEL},
    {"IDHELP", IDHELP},
}};

}  // namespace

std::optional<int> ControlIdOfName(std::string_view name) {
    for (const auto& [text, id] : kStandardButtons) {
        if (text == name) return id;
    }
    const auto module = GetResourceModule();
    if (!module || name.empty()) return std::nullopt;
    for (const auto templateId : module->DialogIds()) {
        const auto* control = module->FindDialog(templateId)->FindControlByName(name);
        if (control) return control->id;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> TemplateIdOfName(std::string_view name) {
    const auto module = GetResourceModule();
    if (!module || name.empty()) return std::nullopt;
    const auto* dialog = module->FindDialogByName(name);
    if (!dialog) return std::nullopt;
    return dialog->id;
}

std::string ControlNameOf(std::uint32_t templateId, int id) {
    const auto module = GetResourceModule();
    if (!module || id <= 0) return {};
    const auto* dialog = module->FindDialog(templateId);
    const auto* control = dialog ? dialog->FindControl(id) : nullptr;
    return control ? control->name : std::string();
}

}  // namespace ptp::ui
