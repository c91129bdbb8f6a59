#include <gtest/gtest.h>

#include "platform/res/resource_module.h"
#include "platform/ui/dialog.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"
#include "tests/support/test_paths.h"

namespace ptp::ui {
namespace {

// Every dialog template of the product's resource library opens on the toolkit: known control
// kinds, labels that exist, and a snapshot a front end can draw.
TEST(Templates, EveryTemplateOfTheResourceLibraryOpens) {
    std::string error;
    auto module = res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
    ASSERT_NE(module, nullptr) << error;
    SetResourceModule(module);
    (void)TakeFaults();
    ASSERT_FALSE(module->DialogIds().empty());
    for (const auto id : module->DialogIds()) {
        SCOPED_TRACE(id);
        CDialog dialog(id);
        DialogState state;
        ScriptDriver driver;
        driver.When(id).Do([&](CDialog& d) { d.Describe(state); }).Cancel();
        ScopedDriver scoped(driver);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(state.controls.size(), module->FindDialog(id)->controls.size());
        for (const auto& control : state.controls) {
            EXPECT_EQ(control.label.find("[missing string"), std::string::npos) << control.id;
        }
        EXPECT_TRUE(driver.GetTranscript().Refusals().empty());
    }
    EXPECT_TRUE(TakeFaults().empty());
    SetResourceModule(nullptr);
}

}  // namespace
}  // namespace ptp::ui
