#pragma once
// Shared set-up of the toolkit suites: a resource module made of the toolkit's own texts and the
// suite's test templates, a manual clock, and a check that no dialog code made a mistake.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/res/resource_module.h"
#include "platform/ui/toolkit.h"
#include "tests/support/test_paths.h"

namespace ptp::ui::testing {

inline std::string ReadSourceFile(const std::string& relative) {
    std::ifstream in(ptp::test::SourceDir() + "/" + relative);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ToolkitTest : public ::testing::Test {
  protected:
    // `resources` is one resource file (strings, dialogs, help) of the suite.
    void UseResources(const std::string& resources) {
        m_toolkitStrings = ReadSourceFile("resources/strings/toolkit.json");
        m_resources = resources;
        std::string error;
        auto module = res::ResourceModule::FromFiles(
            {{"toolkit.json", m_toolkitStrings.c_str()}, {"test.json", m_resources.c_str()}},
            &error);
        ASSERT_NE(module, nullptr) << error;
        SetResourceModule(module);
    }
    void SetUp() override {
        m_pPreviousClock = SetClock(&m_clock);
        (void)TakeFaults();
    }
    void TearDown() override {
        SetClock(m_pPreviousClock);
        SetResourceModule(nullptr);
        EXPECT_TRUE(TakeFaults().empty() || m_bFaultsExpected);
    }

    ManualClock m_clock{0};
    Clock* m_pPreviousClock = nullptr;
    bool m_bFaultsExpected = false;
    std::string m_toolkitStrings;
    std::string m_resources;
};

}  // namespace ptp::ui::testing
