#include "platform/ui/script_json.h"

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "platform/ui/control_names.h"
#include "platform/ui/script_json_internal.h"
#include "platform/ui/toolkit.h"

namespace ptp::ui {
namespace {

using Json = nlohmann::json;

constexpr std::array<std::pair<std::string_view, int>, 7> kAnswers{{
    {"ok", IDOK},
    {"cancel", IDCANCEL},
    {"abort", IDABORT},
    {"retry", IDRETRY},
    {"ignore", IDIGNORE},
    {"yes", IDYES},
    {"no", IDNO},
}};

// Actions that take no control and no arguments when written as a bare name.
bool IsBareAction(ActionKind kind) {
    switch (kind) {
        case ActionKind::Ok:
        case ActionKind::Cancel:
        case ActionKind::Apply:
        case ActionKind::Back:
        case ActionKind::Next:
        case ActionKind::Finish:
        case ActionKind::Help:
            return true;
        default:
            return false;
    }
}

bool ReadInt(const Json& object, const char* key, int& out, bool required) {
    const auto it = object.find(key);
    if (it == object.end()) return !required;
    if (!it->is_number_integer()) return false;
    const auto value = it->get<std::int64_t>();
    if (value < INT32_MIN || value > INT32_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

// A control or template by number or by the name its template gives it ("IDC_MODEM_NAME",
// "IDD_MODEM_PARMS"). An unknown name says so in `why`.
bool ReadControl(const Json& object, const char* key, int& out, std::string& why) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) return ReadInt(object, key, out, true);
    const auto id = ControlIdOfName(it->get<std::string>());
    if (!id) why = "no template has a control named \"" + it->get<std::string>() + "\"";
    out = id.value_or(0);
    return id.has_value();
}

bool ReadTemplate(const Json& object, const char* key, int& out, std::string& why) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) return ReadInt(object, key, out, true);
    const auto id = TemplateIdOfName(it->get<std::string>());
    if (!id) why = "no template is named \"" + it->get<std::string>() + "\"";
    out = static_cast<int>(id.value_or(0));
    return id.has_value();
}

bool ReadText(const Json& object, const char* key, std::string& out) {
    const auto it = object.find(key);
    if (it == object.end()) return true;
    if (!it->is_string()) return false;
    out = it->get<std::string>();
    return true;
}

}  // namespace

std::optional<Action> ReadAction(const nlohmann::json& json, std::string& why) {
    if (json.is_string()) {
        const auto kind = ParseActionKind(json.get<std::string>());
        if (!kind || !IsBareAction(*kind)) {
            why = "unknown action \"" + json.get<std::string>() + "\"";
            return std::nullopt;
        }
        return MakeAction(*kind);
    }
    if (!json.is_object()) {
        why = "an action is a name or an object";
        return std::nullopt;
    }
    std::optional<ActionKind> kind;
    for (const auto& [key, value] : json.items()) {
        const auto parsed = ParseActionKind(key);
        if (!parsed || *parsed == ActionKind::Idle) continue;
        if (kind) {
            why = "an action names two things to do";
            return std::nullopt;
        }
        kind = parsed;
    }
    if (!kind) {
        why = "an action names nothing to do";
        return std::nullopt;
    }
    Action action = MakeAction(*kind);
    const std::string name(ActionKindName(*kind));
    const char* key = name.c_str();
    const Json& subject = json.at(name);
    bool ok = true;
    std::string unknownName;
    switch (*kind) {
        case ActionKind::SelectPage:
            if (subject.is_object()) {
                ok = ReadTemplate(subject, "template", action.value, unknownName);
            } else {
                ok = ReadInt(json, key, action.index, true) && action.index >= 0;
            }
            break;
        case ActionKind::Wait:
            ok = ReadInt(json, key, action.value, true) && action.value >= 0;
            break;
        default:
            ok = ReadControl(json, key, action.control, unknownName);
            break;
    }
    if (!unknownName.empty()) {
        why = unknownName;
        return std::nullopt;
    }
    if (*kind == ActionKind::Check) action.value = BST_CHECKED;
    ok = ok && ReadText(json, "text", action.text) && ReadInt(json, "row", action.row, false) &&
         ReadInt(json, "column", action.column, false);
    switch (*kind) {
        case ActionKind::Check:
            ok = ok && ReadInt(json, "value", action.value, false);
            break;
        case ActionKind::Spin:
            ok = ok && ReadInt(json, "delta", action.value, true);
            break;
        case ActionKind::Choose:
            ok = ok && ReadInt(json, "index", action.index, false) &&
                 (action.index >= 0 || json.contains("text"));
            break;
        case ActionKind::DoubleClick:
            ok = ok && ReadInt(json, "row", action.index, true);
            break;
        case ActionKind::SetText:
        case ActionKind::EditCell:
            ok = ok && json.contains("text");
            break;
        default:
            break;
    }
    if (!ok) {
        why = "action \"" + std::string(ActionKindName(*kind)) + "\" has a missing or bad value";
        return std::nullopt;
    }
    return action;
}

namespace {

std::optional<int> ReadAnswer(const Json& json) {
    if (json.is_number_integer()) {
        const auto value = json.get<std::int64_t>();
        if (value < 0 || value > 100) return std::nullopt;
        return static_cast<int>(value);
    }
    if (!json.is_string()) return std::nullopt;
    const auto name = json.get<std::string>();
    for (const auto& [text, value] : kAnswers) {
        if (text == name) return value;
    }
    return std::nullopt;
}

// A misspelt key ("steps" for "actions") would otherwise make a script that silently does nothing.
bool OnlyKnownKeys(const Json& json, std::initializer_list<std::string_view> known,
                   std::string& why) {
    for (const auto& [key, value] : json.items()) {
        bool found = false;
        for (std::string_view name : known)
            found = found || key == name;
        if (found) continue;
        why = "unknown key \"" + key + "\" (known:";
        for (std::string_view name : known)
            why += " \"" + std::string(name) + "\"";
        why += ")";
        return false;
    }
    return true;
}

bool ReadDialog(const Json& json, ScriptDriver& driver, std::string& why) {
    if (!json.is_object()) {
        why = "a dialog entry is not an object";
        return false;
    }
    if (!OnlyKnownKeys(json, {"dialog", "template", "actions"}, why)) return false;
    DialogScript* script = nullptr;
    if (json.contains("dialog") && json["dialog"].is_string() &&
        !json["dialog"].get<std::string>().empty()) {
        script = &driver.When(json["dialog"].get<std::string>());
    } else if (int id = 0; ReadTemplate(json, "template", id, why) && id > 0) {
        script = &driver.When(static_cast<std::uint32_t>(id));
    } else {
        if (why.empty()) {
            why =
                "a dialog entry needs \"dialog\" (a class name) or \"template\" (a number or "
                "name)";
        }
        return false;
    }
    const Json actions = json.value("actions", Json::array());
    if (!actions.is_array()) {
        why = "\"actions\" is not a list";
        return false;
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
        auto action = ReadAction(actions[i], why);
        if (!action) {
            why = "action " + std::to_string(i + 1) + ": " + why;
            return false;
        }
        script->Add(std::move(*action));
    }
    return true;
}

Json ActionToJson(const Action& action) {
    const std::string name(ActionKindName(action.kind));
    switch (action.kind) {
        case ActionKind::SelectPage:
            if (action.index >= 0) return Json{{name, action.index}};
            return Json{{name, Json{{"template", action.value}}}};
        case ActionKind::Wait:
            return Json{{name, action.value}};
        case ActionKind::Help:
            if (action.control == 0) return name;
            return Json{{name, action.control}};
        default:
            break;
    }
    if (IsBareAction(action.kind)) return name;
    Json json{{name, action.control}};
    switch (action.kind) {
        case ActionKind::SetText:
            json["text"] = action.text;
            break;
        case ActionKind::Check:
            json["value"] = action.value;
            break;
        case ActionKind::Spin:
            json["delta"] = action.value;
            break;
        case ActionKind::Choose:
            if (action.index >= 0) json["index"] = action.index;
            if (action.index < 0) json["text"] = action.text;
            break;
        case ActionKind::DoubleClick:
            json["row"] = action.index;
            break;
        case ActionKind::EditCell:
            json["row"] = action.row;
            json["column"] = action.column;
            json["text"] = action.text;
            break;
        default:
            break;
    }
    return json;
}

}  // namespace

std::optional<LoadedScript> LoadScript(std::string_view text, ScriptDriver& driver,
                                       std::string& error) {
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        error = "the script is not a JSON object";
        return std::nullopt;
    }
    if (!OnlyKnownKeys(json, {"clock", "dialogs", "messageBoxes"}, error)) return std::nullopt;
    LoadedScript loaded;
    if (json.contains("clock")) {
        if (json["clock"] != "manual" && json["clock"] != "system") {
            error = "\"clock\" is \"manual\" or \"system\"";
            return std::nullopt;
        }
        loaded.manualClock = json["clock"] == "manual";
    }
    const Json dialogs = json.value("dialogs", Json::array());
    const Json answers = json.value("messageBoxes", Json::array());
    if (!dialogs.is_array() || !answers.is_array()) {
        error = "\"dialogs\" and \"messageBoxes\" are lists";
        return std::nullopt;
    }
    for (std::size_t i = 0; i < dialogs.size(); ++i) {
        std::string why;
        if (!ReadDialog(dialogs[i], driver, why)) {
            error = "dialog " + std::to_string(i + 1) + ": " + why;
            return std::nullopt;
        }
    }
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const auto answer = ReadAnswer(answers[i]);
        if (!answer) {
            error = "message box answer " + std::to_string(i + 1) + " is not a button";
            return std::nullopt;
        }
        driver.AddAnswer(*answer);
    }
    return loaded;
}

std::string ScriptToJson(const ScriptDriver& driver) {
    Json dialogs = Json::array();
    for (const auto& script : driver.Scripts()) {
        Json entry;
        if (!script->ClassName().empty()) entry["dialog"] = script->ClassName();
        if (script->ClassName().empty()) entry["template"] = script->TemplateId();
        Json actions = Json::array();
        for (const auto& step : script->Steps()) {
            if (!step.call) actions.push_back(ActionToJson(step.action));
        }
        entry["actions"] = std::move(actions);
        dialogs.push_back(std::move(entry));
    }
    Json answers = Json::array();
    for (int answer : driver.Answers())
        answers.push_back(answer);
    return Json{{"dialogs", dialogs}, {"messageBoxes", answers}}.dump(
        2, ' ', false, Json::error_handler_t::replace);
}

std::string TranscriptToJson(const Transcript& transcript) {
    using Kind = TranscriptEntry::Kind;
    Json entries = Json::array();
    for (const auto& e : transcript.entries) {
        Json json{{"kind", std::string(TranscriptKindName(e.kind))}};
        if (!e.dialog.empty()) {
            json["dialog"] = e.dialog;
            json["template"] = e.templateId;
        }
        switch (e.kind) {
            case Kind::Closed:
                json["result"] = e.result;
                break;
            case Kind::MessageBox:
                json["resource"] = e.resourceId;
                json["style"] = e.style;
                json["text"] = e.text;
                json["answer"] = e.result;
                json["answered"] = e.answered;
                break;
            case Kind::StayedOpen:
                json["page"] = e.page;
                json["pageTemplate"] = e.pageTemplate;
                json["focus"] = e.focus;
                if (!e.focusName.empty()) json["focusName"] = e.focusName;
                break;
            case Kind::Message:
                json["message"] = e.message;
                json["wParam"] = e.wParam;
                json["lParam"] = e.lParam;
                break;
            case Kind::Help:
                json["topic"] = e.topic;
                json["found"] = e.found;
                json["title"] = e.text;
                break;
            case Kind::Refused:
            case Kind::Fault:
                json["text"] = e.text;
                break;
            case Kind::Opened:
                if (!e.pages.empty()) json["pages"] = e.pages;
                break;
        }
        entries.push_back(std::move(json));
    }
    return entries.dump(2, ' ', false, Json::error_handler_t::replace);
}

PlayResult PlayScript(std::string_view json, const std::function<void()>& run) {
    PlayResult result;
    ScriptDriver driver;
    const auto loaded = LoadScript(json, driver, result.error);
    if (!loaded) return result;
    result.loaded = true;
    ManualClock clock(GetClock().Now());
    Clock* previous = loaded->manualClock ? SetClock(&clock) : nullptr;
    {
        ScopedDriver scoped(driver);
        run();
    }
    if (loaded->manualClock) SetClock(previous);
    result.transcript = driver.GetTranscript();
    result.unusedScripts = driver.UnusedScripts();
    return result;
}

}  // namespace ptp::ui
