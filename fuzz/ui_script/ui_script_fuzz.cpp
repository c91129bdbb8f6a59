// Reads arbitrary bytes as a driver script and as one front-end action. A script that loads must
// write out and load back to the same script; an action that parses must describe itself. A small
// template with names is installed, so scripts that call controls by name resolve too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/res/resource_module.h"
#include "platform/ui/script_json.h"
#include "platform/ui/snapshot_json.h"
#include "platform/ui/toolkit.h"

namespace {

const char* const kTemplates = R"({"dialogs": [{"id": 31100, "name": "IDD_PROFILE_SETUP",
    "controls": [{"id": 31102, "name": "IDC_SETUP_SLIP", "kind": "radio"},
                 {"id": 31107, "name": "IDC_SETUP_MODE", "kind": "combobox"},
                 {"id": 1, "name": "IDOK", "kind": "button"}]}]})";

bool InstallTemplates() {
    std::string error;
    ptp::ui::SetResourceModule(
        ptp::res::ResourceModule::FromFiles({{"fuzz.json", kTemplates}}, &error));
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool installed = InstallTemplates();
    (void)installed;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (auto action = ptp::ui::ParseActionJson(text, error)) {
        if (ptp::ui::DescribeAction(action->action).empty()) std::abort();
    }
    ptp::ui::ScriptDriver first;
    if (!ptp::ui::LoadScript(text, first, error)) return 0;
    const std::string written = ptp::ui::ScriptToJson(first);
    ptp::ui::ScriptDriver second;
    if (!ptp::ui::LoadScript(written, second, error)) std::abort();
    if (ptp::ui::ScriptToJson(second) != written) std::abort();
    return 0;
}
