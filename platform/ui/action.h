#pragma once
// What a user does to the topmost dialog: the unit a Driver hands to the modal loop.
#include <optional>
#include <string>
#include <string_view>

namespace ptp::ui {

enum class ActionKind {
    SetText,      // type `text` into edit or editable combo box `control`
    Check,        // set check box `control` to `value` (0, 1, 2); a radio button with 1 is clicked
    Choose,       // select entry `index` (or the entry whose text is `text`) of a combo box, list
                  // box or list view
    Click,        // press button `control` (also check boxes and radio buttons)
    DoubleClick,  // double-click row `index` of a list box or list view
    EditCell,     // finish an in-place edit of `row`/`column` of list view `control` with `text`
    Spin,         // press the arrow of spin button `control` `value` times (negative: down)
    Focus,        // move the focus to `control`
    SelectPage,   // switch a property sheet to page `index` (or the page whose template is `value`)
    Ok,
    Cancel,
    Apply,
    Back,
    Next,
    Finish,
    Help,  // the Help button (control 0) or F1 on `control`
    Wait,  // let `value` milliseconds pass on the toolkit's clock; due timers fire
    Idle,  // nothing happened before the deadline the loop gave; due timers fire
};

struct Action {
    ActionKind kind = ActionKind::Idle;
    int control = 0;
    int value = 0;
    int index = -1;
    int row = 0;
    int column = 0;
    std::string text;
};

[[nodiscard]] inline Action MakeAction(ActionKind kind, int control = 0, int value = 0) {
    Action action;
    action.kind = kind;
    action.control = control;
    action.value = value;
    return action;
}

// Names used in scripts and transcripts ("setText", "ok", ...).
[[nodiscard]] std::string_view ActionKindName(ActionKind kind);
[[nodiscard]] std::optional<ActionKind> ParseActionKind(std::string_view name);
// One line a person can read: "click 1005", "choose 31110 entry 2", "ok".
[[nodiscard]] std::string DescribeAction(const Action& action);

}  // namespace ptp::ui
