#pragma once
// Scripts for the script driver as JSON, so any dialog can be driven from a file (ptpctl does), and
// transcripts back as JSON.
//
// A script:
//   {
//     "clock": "manual",                        optional: timers run on a clock the script moves
//     "dialogs": [                              one entry per dialog, in the order they open
//       { "dialog": "CPointToPointProfileSetupDialog",    or "template": 31100
//         "actions": [
//           { "click": 31103 },                 push a button, check box or radio button
//           { "check": 31104, "value": 0 },     set a check box (value defaults to 1)
//           { "setText": 1001, "text": "PRF1" },
//           { "choose": 31107, "index": 2 },    or "text": "Dial" (combo, list box, list view)
//           { "doubleClick": 1005, "row": 0 },
//           { "editCell": 1005, "row": 0, "column": 0, "text": "555-0100" },
//           { "spin": 1006, "delta": -1 },
//           { "focus": 1007 },
//           { "selectPage": 2 },                or { "selectPage": { "template": 31210 } }
//           { "help": 1001 },                   F1 on a control; "help" alone is the Help button
//           { "wait": 1000 },                   milliseconds on the script's clock
//           "ok", "cancel", "apply", "back", "next", "finish", "help"
//         ] } ],
//     "messageBoxes": [ "yes", "ok", 7 ]         answers in order: names or result numbers
//   }
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/script_driver.h"

namespace ptp::ui {

struct LoadedScript {
    bool manualClock = false;
};

// Reads a script into `driver`. On a mistake returns nothing and says where in `error`.
[[nodiscard]] std::optional<LoadedScript> LoadScript(std::string_view json, ScriptDriver& driver,
                                                     std::string& error);
// The scripts and answers of a driver as a script again.
[[nodiscard]] std::string ScriptToJson(const ScriptDriver& driver);
[[nodiscard]] std::string TranscriptToJson(const Transcript& transcript);

struct PlayResult {
    bool loaded = false;
    std::string error;
    Transcript transcript;
    std::vector<std::string> unusedScripts;  // dialogs the script names that never opened
};

// Plays a script: installs a script driver (and a manual clock when the script asks for one),
// runs `run`, which opens the dialogs the script is for, and returns what happened.
[[nodiscard]] PlayResult PlayScript(std::string_view json, const std::function<void()>& run);

}  // namespace ptp::ui
