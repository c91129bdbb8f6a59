#include "platform/res/resource_module.h"

#include <dlfcn.h>

#include <array>
#include <charconv>
#include <nlohmann/json.hpp>

namespace ptp::res {
namespace {

using Json = nlohmann::json;

constexpr std::array<std::pair<ControlKind, std::string_view>, 11> kKindNames{{
    {ControlKind::Static, "static"},
    {ControlKind::GroupBox, "groupbox"},
    {ControlKind::Edit, "edit"},
    {ControlKind::CheckBox, "checkbox"},
    {ControlKind::RadioButton, "radio"},
    {ControlKind::ComboBox, "combobox"},
    {ControlKind::ListBox, "listbox"},
    {ControlKind::ListView, "listview"},
    {ControlKind::Spin, "spin"},
    {ControlKind::Button, "button"},
    {ControlKind::Picture, "picture"},
}};

std::optional<std::uint32_t> ParseNumber(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads an optional integer member; a present member of another type is an error.
bool ReadInt(const Json& object, const char* key, int& out) {
    const auto it = object.find(key);
    if (it == object.end()) return true;
    if (!it->is_number_integer()) return false;
    out = it->get<int>();
    return true;
}

bool ReadControl(const Json& json, ControlTemplate& control, std::string& why) {
    if (!json.is_object()) {
        why = "a control is not an object";
        return false;
    }
    const auto kind = ParseControlKind(json.value("kind", ""));
    if (!kind) {
        why = "unknown control kind '" + json.value("kind", "") + "'";
        return false;
    }
    control.kind = *kind;
    int textId = 0;
    if (!ReadInt(json, "id", control.id) || !ReadInt(json, "textId", textId) ||
        !ReadInt(json, "x", control.x) || !ReadInt(json, "y", control.y) ||
        !ReadInt(json, "w", control.width) || !ReadInt(json, "h", control.height) ||
        !ReadInt(json, "limit", control.limit) || !ReadInt(json, "buddy", control.buddy)) {
        why = "a control member has the wrong type";
        return false;
    }
    int helpId = 0;
    if (!ReadInt(json, "helpId", helpId)) {
        why = "a control member has the wrong type";
        return false;
    }
    control.textId = static_cast<std::uint32_t>(textId);
    control.helpId = static_cast<std::uint32_t>(helpId);
    control.text = json.value("text", "");
    control.name = json.value("name", "");
    control.group = json.value("group", false);
    if (json.contains("styles")) control.styles = json["styles"].get<std::vector<std::string>>();
    return true;
}

bool ReadDialog(const Json& json, DialogTemplate& dialog, std::string& why) {
    int id = 0, captionId = 0;
    if (!ReadInt(json, "id", id) || !ReadInt(json, "captionId", captionId) ||
        !ReadInt(json, "w", dialog.width) || !ReadInt(json, "h", dialog.height) || id <= 0) {
        why = "dialog needs a positive integer id";
        return false;
    }
    dialog.id = static_cast<std::uint32_t>(id);
    dialog.captionId = static_cast<std::uint32_t>(captionId);
    dialog.name = json.value("name", "");
    dialog.caption = json.value("caption", "");
    const Json controls = json.value("controls", Json::array());
    for (const auto& c : controls) {
        ControlTemplate control;
        if (!ReadControl(c, control, why)) return false;
        dialog.controls.push_back(std::move(control));
    }
    return true;
}

}  // namespace

std::optional<ControlKind> ParseControlKind(std::string_view name) {
    for (const auto& [kind, text] : kKindNames) {
        if (text == name) return kind;
    }
    return std::nullopt;
}

std::string_view ControlKindName(ControlKind kind) {
    for (const auto& [k, text] : kKindNames) {
        if (k == kind) return text;
    }
    return "static";
}

const ControlTemplate* DialogTemplate::FindControl(int controlId) const {
    for (const auto& c : controls) {
        if (c.id == controlId) return &c;
    }
    return nullptr;
}

const ControlTemplate* DialogTemplate::FindControlByName(std::string_view controlName) const {
    if (controlName.empty()) return nullptr;
    for (const auto& c : controls) {
        if (c.name == controlName) return &c;
    }
    return nullptr;
}

// A resource file is one JSON object with any of these members:
//   "strings": { "57344": "text", "27729": { "name": "IDS_MODEM_NAME_EXISTS", "text": "..." } }
//   "dialogs": [ { "id": 1000, "name": "IDD_...", "captionId": 0, "w": 0, "h": 0,
//                  "controls": [ { "id": 1001, "name": "IDC_...", "kind": "edit", ... } ] } ]
//   "help":    { "131072": { "title": "...", "text": "..." }, ... }
//   "bitmaps": { "28075": { "name": "IDB_...", "w": 16, "h": 16, "image": "data:..." } }
// Names are what the build turns into constants for code; a string that code refers to has one.
bool ResourceModule::AddFile(const ResourceFile& file, std::string* error) {
    // A member of the wrong type ("name": 14) makes the JSON library throw; it is reported as a
    // bad file like any other mistake in it.
    try {
        return AddFileContents(file, error);
    } catch (const Json::exception& e) {
        if (error) *error = std::string(file.name) + ": " + e.what();
        return false;
    }
}

bool ResourceModule::AddFileContents(const ResourceFile& file, std::string* error) {
    const Json json = Json::parse(file.text, nullptr, false);
    auto fail = [&](const std::string& why) {
        if (error) *error = std::string(file.name) + ": " + why;
        return false;
    };
    if (json.is_discarded() || !json.is_object()) return fail("not a JSON object");
    const Json strings = json.value("strings", Json::object());
    const Json dialogs = json.value("dialogs", Json::array());
    const Json help = json.value("help", Json::object());
    for (const auto& [key, value] : strings.items()) {
        const auto id = ParseNumber(key);
        const bool named = value.is_object() && value.contains("text") &&
                           value["text"].is_string() && value.value("name", "") != "";
        if (!id || !(value.is_string() || named)) return fail("bad string entry '" + key + "'");
        const std::string text =
            named ? value["text"].get<std::string>() : value.get<std::string>();
        if (!m_strings.emplace(*id, text).second) return fail("string " + key + " defined twice");
        if (named) m_stringNames[*id] = value["name"].get<std::string>();
    }
    for (const auto& d : dialogs) {
        DialogTemplate dialog;
        std::string why;
        if (!ReadDialog(d, dialog, why)) return fail(why);
        const auto id = dialog.id;
        if (!m_dialogs.emplace(id, std::move(dialog)).second) {
            return fail("dialog " + std::to_string(id) + " defined twice");
        }
    }
    for (const auto& [key, value] : help.items()) {
        const auto id = ParseNumber(key);
        if (!id || !value.is_object()) return fail("bad help entry '" + key + "'");
        m_help[*id] = HelpTopic{*id, value.value("title", ""), value.value("text", "")};
    }
    const Json bitmaps = json.value("bitmaps", Json::object());
    for (const auto& [key, value] : bitmaps.items()) {
        const auto id = ParseNumber(key);
        Bitmap bitmap;
        if (!id || !value.is_object() || !ReadInt(value, "w", bitmap.width) ||
            !ReadInt(value, "h", bitmap.height) || !value.contains("image") ||
            !value["image"].is_string()) {
            return fail("bad bitmap entry '" + key + "'");
        }
        bitmap.id = *id;
        bitmap.name = value.value("name", "");
        bitmap.image = value["image"].get<std::string>();
        if (!m_bitmaps.emplace(*id, std::move(bitmap)).second) {
            return fail("bitmap " + key + " defined twice");
        }
    }
    return true;
}

std::shared_ptr<ResourceModule> ResourceModule::FromFiles(const std::vector<ResourceFile>& files,
                                                          std::string* error) {
    std::shared_ptr<ResourceModule> module(new ResourceModule());
    for (const auto& file : files) {
        if (!module->AddFile(file, error)) return nullptr;
    }
    return module;
}

std::shared_ptr<ResourceModule> ResourceModule::LoadLibrary(const std::string& path,
                                                            std::string* error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) *error = dlerror();
        return nullptr;
    }
    using FilesFn = const ResourceFile* (*)(std::size_t*);
    auto files = reinterpret_cast<FilesFn>(dlsym(handle, "PtpResourceFiles"));
    if (!files) {
        if (error) *error = path + ": not a resource library (no PtpResourceFiles)";
        dlclose(handle);
        return nullptr;
    }
    std::size_t count = 0;
    const ResourceFile* first = files(&count);
    auto module = FromFiles(std::vector<ResourceFile>(first, first + count), error);
    if (!module) {
        dlclose(handle);
        return nullptr;
    }
    module->m_hLibrary = handle;
    module->m_strPath = path;
    return module;
}

ResourceModule::~ResourceModule() {
    if (m_hLibrary) dlclose(m_hLibrary);
}

std::optional<std::string> ResourceModule::LoadString(std::uint32_t id) const {
    const auto it = m_strings.find(id);
    if (it == m_strings.end()) return std::nullopt;
    return it->second;
}

std::string ResourceModule::String(std::uint32_t id) const {
    if (auto text = LoadString(id)) return *text;
    return "[missing string " + std::to_string(id) + "]";
}

const DialogTemplate* ResourceModule::FindDialog(std::uint32_t id) const {
    const auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const DialogTemplate* ResourceModule::FindDialogByName(std::string_view name) const {
    for (const auto& [id, dialog] : m_dialogs) {
        if (dialog.name == name) return &dialog;
    }
    return nullptr;
}

std::optional<HelpTopic> ResourceModule::FindHelpTopic(std::uint32_t id) const {
    const auto it = m_help.find(id);
    if (it == m_help.end()) return std::nullopt;
    return it->second;
}

const Bitmap* ResourceModule::FindBitmap(std::uint32_t id) const {
    const auto it = m_bitmaps.find(id);
    return it == m_bitmaps.end() ? nullptr : &it->second;
}

std::vector<std::uint32_t> ResourceModule::DialogIds() const {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, dialog] : m_dialogs)
        ids.push_back(id);
    return ids;
}

std::vector<std::uint32_t> ResourceModule::StringIds() const {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, text] : m_strings)
        ids.push_back(id);
    return ids;
}

std::vector<std::uint32_t> ResourceModule::BitmapIds() const {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, bitmap] : m_bitmaps)
        ids.push_back(id);
    return ids;
}

std::string ResourceModule::StringName(std::uint32_t id) const {
    const auto it = m_stringNames.find(id);
    return it == m_stringNames.end() ? std::string() : it->second;
}

std::string FormatText(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
            continue;
        }
        if (next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < args.size()) out += args[index];
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace ptp::res
