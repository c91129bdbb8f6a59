#include "platform/ui/action.h"

#include <array>
#include <utility>

namespace ptp::ui {
namespace {

constexpr std::array<std::pair<ActionKind, std::string_view>, 18> kNames{{
    {ActionKind::SetText, "setText"},
    {ActionKind::Check, "check"},
    {ActionKind::Choose, "choose"},
    {ActionKind::Click, "click"},
    {ActionKind::DoubleClick, "doubleClick"},
    {ActionKind::EditCell, "editCell"},
    {ActionKind::Spin, "spin"},
    {ActionKind::Focus, "focus"},
    {ActionKind::SelectPage, "selectPage"},
    {ActionKind::Ok, "ok"},
    {ActionKind::Cancel, "cancel"},
    {ActionKind::Apply, "apply"},
    {ActionKind::Back, "back"},
    {ActionKind::Next, "next"},
    {ActionKind::Finish, "finish"},
    {ActionKind::Help, "help"},
    {ActionKind::Wait, "wait"},
    {ActionKind::Idle, "idle"},
}};

}  // namespace

std::string_view ActionKindName(ActionKind kind) {
    for (const auto& [k, name] : kNames) {
        if (k == kind) return name;
    }
    return "idle";
}

std::optional<ActionKind> ParseActionKind(std::string_view name) {
    for (const auto& [kind, text] : kNames) {
        if (text == name) return kind;
    }
    return std::nullopt;
}

std::string DescribeAction(const Action& action) {
    std::string out(ActionKindName(action.kind));
    const std::string control = " " + std::to_string(action.control);
    switch (action.kind) {
        case ActionKind::SetText:
            return out + control + " \"" + action.text + "\"";
        case ActionKind::Check:
        case ActionKind::Spin:
            return out + control + " " + std::to_string(action.value);
        case ActionKind::Choose:
            if (action.index >= 0) return out + control + " entry " + std::to_string(action.index);
            return out + control + " \"" + action.text + "\"";
        case ActionKind::DoubleClick:
            return out + control + " row " + std::to_string(action.index);
        case ActionKind::EditCell:
            return out + control + " row " + std::to_string(action.row) + " column " +
                   std::to_string(action.column) + " \"" + action.text + "\"";
        case ActionKind::Click:
        case ActionKind::Focus:
        case ActionKind::Help:
            return out + control;
        case ActionKind::SelectPage:
            if (action.index >= 0) return out + " " + std::to_string(action.index);
            return out + " template " + std::to_string(action.value);
        case ActionKind::Wait:
            return out + " " + std::to_string(action.value) + " ms";
        default:
            return out;
    }
}

}  // namespace ptp::ui
