#pragma once
// The observable state and user actions as JSON, for front ends that live in another process (the
// browser of the web console). The action format is the one scripts use for a single action
// (platform/ui/script_json.h), with an optional "dialog" member naming the handle of the dialog
// the user acted on, so a front end can tell an action on a dialog that has since closed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/action.h"
#include "platform/ui/snapshot.h"

namespace ptp::ui {

[[nodiscard]] std::string SnapshotToJson(const UiSnapshot& snapshot);

struct ParsedAction {
    Action action;
    std::optional<std::uint64_t> dialog;  // handle of the dialog acted on, when given
};

// One action, e.g. {"click": 31103} or "ok" or {"dialog": 3, "setText": 1001, "text": "PRF1"}.
[[nodiscard]] std::optional<ParsedAction> ParseActionJson(std::string_view json,
                                                          std::string& error);

}  // namespace ptp::ui
