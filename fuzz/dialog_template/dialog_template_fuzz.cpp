// Reads arbitrary bytes as a dialog template file. A file that loads must be consistent (every
// template found by its number and its name) and every template must open on the toolkit with the
// controls it lists, as a console would open it, and close again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/res/resource_module.h"
#include "platform/ui/dialog.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto module =
        ptp::res::ResourceModule::FromFiles({{"dialogs/fuzz.json", text.c_str()}}, &error);
    if (!module) return 0;
    ptp::ui::SetResourceModule(module);
    for (const auto id : module->DialogIds()) {
        const ptp::res::DialogTemplate* found = module->FindDialog(id);
        if (!found || found->id != id) std::abort();
        if (!found->name.empty() && module->FindDialogByName(found->name) == nullptr) std::abort();
        ptp::ui::CDialog dialog(id);
        ptp::ui::DialogState state;
        ptp::ui::ScriptDriver driver;
        driver.When(id).Do([&](ptp::ui::CDialog& opened) { opened.Describe(state); }).Cancel();
        ptp::ui::ScopedDriver scoped(driver);
        if (dialog.DoModal() != ptp::ui::IDCANCEL) continue;
        if (state.controls.size() > found->controls.size()) std::abort();
    }
    (void)ptp::ui::TakeFaults();
    ptp::ui::SetResourceModule(nullptr);
    return 0;
}
