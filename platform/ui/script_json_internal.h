#pragma once
// Inside the toolkit only: the reader of one scripted action, shared by scripts and front ends.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "platform/ui/action.h"

namespace ptp::ui {

// An action as a bare name ("ok") or an object ({"click": 31103}); members other than the
// action's own are ignored. On a mistake returns nothing and says why.
[[nodiscard]] std::optional<Action> ReadAction(const nlohmann::json& json, std::string& why);

}  // namespace ptp::ui
