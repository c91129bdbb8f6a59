#include "platform/res/resource_module.h"

#include <gtest/gtest.h>
#include "tests/support/test_paths.h"

namespace ptp::res {
namespace {

TEST(ResourceModule, LoadsTheBuiltLibrary) {
    std::string error;
    auto module = ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
    ASSERT_NE(module, nullptr) << error;
    EXPECT_FALSE(module->LoadString(57344).value_or("").empty());
    EXPECT_FALSE(module->LoadString(27992).value_or("").empty());
    EXPECT_EQ(module->LoadString(1), std::nullopt);
    EXPECT_EQ(module->String(1), "[missing string 1]");
}

TEST(ResourceModule, RejectsBrokenFiles) {
    std::string error;
    EXPECT_EQ(ResourceModule::FromFiles({{"a.json", "{"}}, &error), nullptr);
    EXPECT_NE(error.find("a.json"), std::string::npos);
    EXPECT_EQ(ResourceModule::FromFiles({{"b.json", R"({"strings":{"x":"y"}})"}}, &error), nullptr);
    EXPECT_EQ(ResourceModule::FromFiles(
                  {{"c.json", R"({"strings":{"5":"a"}})"}, {"d.json", R"({"strings":{"5":"b"}})"}},
                  &error),
              nullptr);
    EXPECT_NE(error.find("twice"), std::string::npos);
    EXPECT_EQ(ResourceModule::FromFiles(
                  {{"e.json", R"({"dialogs":[{"id":7,"controls":[{"kind":"slider"}]}]})"}}, &error),
              nullptr);
    // Members of the wrong type are a broken file too, not a crash of whoever loads it.
    EXPECT_EQ(
        ResourceModule::FromFiles(
            {{"f.json", R"({"dialogs":[{"id":7,"controls":[{"id":8,"name":14}]}]})"}}, &error),
        nullptr);
    EXPECT_NE(error.find("f.json"), std::string::npos);
    EXPECT_EQ(ResourceModule::FromFiles({{"g.json", R"({"dialogs":{"id":"7"}})"}}, &error),
              nullptr);
}

TEST(ResourceModule, ReadsDialogsAndHelp) {
    std::string error;
    auto module =
        ResourceModule::FromFiles({{"t.json", R"({"dialogs":[{"id":7,"name":"T","controls":[
            {"id":1001,"kind":"edit","limit":10,"styles":["number"]},
            {"id":1002,"kind":"radio","group":true}]}],
            "help":{"131079":{"title":"T","text":"Body"}}})"}},
                                  &error);
    ASSERT_NE(module, nullptr) << error;
    const auto* dialog = module->FindDialog(7);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(module->FindDialogByName("T"), dialog);
    ASSERT_NE(dialog->FindControl(1001), nullptr);
    EXPECT_EQ(dialog->FindControl(1001)->limit, 10);
    EXPECT_EQ(dialog->FindControl(1001)->kind, ControlKind::Edit);
    EXPECT_TRUE(dialog->FindControl(1002)->group);
    EXPECT_EQ(dialog->FindControl(9), nullptr);
    EXPECT_EQ(module->FindHelpTopic(7 + kHelpTopicOffset)->text, "Body");
}

TEST(ResourceModule, ReadsNamesOfControlsAndStrings) {
    std::string error;
    auto module = ResourceModule::FromFiles(
        {{"n.json", R"({"strings":{"5":"plain","6":{"name":"IDS_SIX","text":"six"}},
            "dialogs":[{"id":7,"name":"IDD_SEVEN","controls":[
              {"id":1001,"name":"IDC_FIRST","kind":"edit"},{"id":-1,"kind":"static"}]}]})"}},
        &error);
    ASSERT_NE(module, nullptr) << error;
    EXPECT_EQ(module->String(6), "six");
    EXPECT_EQ(module->StringName(6), "IDS_SIX");
    EXPECT_EQ(module->StringName(5), "");
    const auto* dialog = module->FindDialogByName("IDD_SEVEN");
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->FindControlByName("IDC_FIRST"), nullptr);
    EXPECT_EQ(dialog->FindControlByName("IDC_FIRST")->id, 1001);
    EXPECT_EQ(dialog->FindControlByName(""), nullptr);
    EXPECT_EQ(dialog->FindControlByName("IDC_OTHER"), nullptr);
    EXPECT_EQ(
        ResourceModule::FromFiles({{"m.json", R"({"strings":{"5":{"text":"no name"}}})"}}, &error),
        nullptr);
    EXPECT_EQ(
        ResourceModule::FromFiles({{"o.json", R"({"strings":{"5":{"name":"IDS_X"}}})"}}, &error),
        nullptr);
}

TEST(ResourceModule, ReadsBitmapsAndRefusesBadOnes) {
    std::string error;
    auto module = ResourceModule::FromFiles(
        {{"b.json", R"({"bitmaps":{"28078":{"w":16,"h":12,"image":"data:image/png;base64,AA"}}})"}},
        &error);
    ASSERT_NE(module, nullptr) << error;
    const Bitmap* bitmap = module->FindBitmap(28078);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->height, 12);
    EXPECT_EQ(bitmap->image, "data:image/png;base64,AA");
    EXPECT_EQ(module->FindBitmap(28077), nullptr);
    EXPECT_EQ(
        ResourceModule::FromFiles({{"c.json", R"({"bitmaps":{"1":{"w":16,"h":16}}})"}}, &error),
        nullptr);
    EXPECT_NE(error.find("bitmap"), std::string::npos);
    EXPECT_EQ(ResourceModule::FromFiles(
                  {{"d.json", R"({"bitmaps":{"1":{"w":"16","h":16,"image":""}}})"}}, &error),
              nullptr);
}

TEST(FormatText, FillsPositionalPlaceholdersOnly) {
    EXPECT_EQ(FormatText("Range %1 to %2.", {"1", "10"}), "Range 1 to 10.");
    EXPECT_EQ(FormatText("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(FormatText("100%% of %1", {"%2"}), "100% of %2");
    EXPECT_EQ(FormatText("%s %d %3", {"x"}), "%s %d ");
}

}  // namespace
}  // namespace ptp::res
