#include "platform/framework/module_state.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/framework/console_services.h"
#include "platform/framework/console_window.h"
#include "tests/support/fake_console.h"

namespace ptp::fw {
namespace {

// Leaves early on one path and throws on another; the scope must undo itself on both.
int CallInto(ModuleState& state, int path) {
    ModuleStateScope scope(state);
    if (path == 0) return &CurrentModuleState() == &state ? 1 : 0;
    if (path == 1) throw std::runtime_error("stays inside the layer");
    return 2;
}

TEST(ModuleState, EveryCallRunsInItsModuleAndRestoresTheCallersState) {
    ModuleState& console = CurrentModuleState();
    ModuleState plugin;
    EXPECT_EQ(CallInto(plugin, 0), 1);
    EXPECT_EQ(&CurrentModuleState(), &console);
    EXPECT_THROW(CallInto(plugin, 1), std::runtime_error);
    EXPECT_EQ(&CurrentModuleState(), &console);
    {
        ModuleStateScope outer(plugin);
        ModuleState nested;
        {
            ModuleStateScope inner(nested);
            EXPECT_EQ(&CurrentModuleState(), &nested);
        }
        EXPECT_EQ(&CurrentModuleState(), &plugin);
    }
    EXPECT_EQ(&CurrentModuleState(), &console);
}

class RecordingSink final : public IConsoleWindowSink {
  public:
    std::vector<std::pair<UINT, std::string>> received;
    LRESULT SendConsoleMessage(HWND, UINT message, WPARAM, LPARAM lParam) override {
        received.emplace_back(message, lParam ? reinterpret_cast<const char*>(lParam) : "");
        return 1;
    }
};

TEST(ConsoleServices, DefaultsAnswerUntilTheConsoleInstallsItsOwn) {
    EXPECT_EQ(ConsoleServices().MessageBoxStyle(48), 48u);
    EXPECT_EQ(ConsoleServices().GetResourceModule(), nullptr);
    char release[kServerReleaseLength] = {};
    EXPECT_FALSE(ServerFacts().GetServerRelease("SYS1", release, sizeof release));
    EXPECT_EQ(SendConsoleMessage(nullptr, WM_PTP_REFRESH, 1, 0), 0);

    testing::FakeConsoleServices services;
    SetConsoleServices(&services);
    EXPECT_EQ(ConsoleServices().MessageBoxStyle(48), 48u | 0x1000u);
    SetConsoleServices(nullptr);
    EXPECT_EQ(ConsoleServices().MessageBoxStyle(48), 48u);

    RecordingSink sink;
    SetConsoleWindowSink(&sink);
    EXPECT_EQ(SendConsoleMessage(nullptr, WM_PTP_STATUSTEXT, 0,
                                 reinterpret_cast<LPARAM>("2 profiles started")),
              1);
    SetConsoleWindowSink(nullptr);
    ASSERT_EQ(sink.received.size(), 1u);
    EXPECT_EQ(sink.received[0], (std::pair<UINT, std::string>{0x408, "2 profiles started"}));
}

}  // namespace
}  // namespace ptp::fw
