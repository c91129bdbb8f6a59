#include "platform/framework/module_state.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/framework/application.h"
#include "platform/framework/console_services.h"
#include "platform/framework/console_window.h"
#include "tests/support/fake_console.h"

namespace ptp::fw {
namespace {

class TitledApp final : public CWinApp {
  public:
    TitledApp() { m_strTitle = "Plug-in"; }
};

// Leaves early on one path and throws on another; the scope must undo itself on both.
int CallInto(ModuleState& state, int path) {
    ModuleStateScope scope(state);
    if (path == 0) return CurrentModuleState().app ? 1 : 0;
    if (path == 1) throw std::runtime_error("stays inside the layer");
    return 2;
}

TEST(ModuleState, EveryCallRunsInItsModuleAndRestoresTheCallersState) {
    ModuleState& console = CurrentModuleState();
    TitledApp app;
    EXPECT_EQ(CallInto(app.State(), 0), 1);
    EXPECT_EQ(&CurrentModuleState(), &console);
    EXPECT_THROW(CallInto(app.State(), 1), std::runtime_error);
    EXPECT_EQ(&CurrentModuleState(), &console);
    {
        ModuleStateScope outer(app.State());
        TitledApp nested;
        {
            ModuleStateScope inner(nested.State());
            EXPECT_EQ(CurrentModuleState().app, &nested);
        }
        EXPECT_EQ(CurrentModuleState().app, &app);
    }
    EXPECT_EQ(&CurrentModuleState(), &console);
}

TEST(ModuleState, MessageBoxesComeFromTheCurrentModule) {
    testing::RecordingPresenter presenter;
    SetMessageBoxPresenter(&presenter);
    TitledApp app;
    std::string error;
    app.State().resources = res::ResourceModule::FromFiles(
        {{"t.json", R"({"strings":{"30000":"Disk full"}})"}}, &error);
    {
        ModuleStateScope scope(app.State());
        presenter.answer = IDYES;
        EXPECT_EQ(AfxMessageBox(30000, MB_YESNO | MB_ICONWARNING), IDYES);
        EXPECT_EQ(AfxMessageBox(30001, MB_OK), IDYES);
    }
    SetMessageBoxPresenter(nullptr);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].text, "Disk full");
    EXPECT_EQ(presenter.shown[0].caption, "Plug-in");
    EXPECT_EQ(presenter.shown[0].style, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(presenter.shown[0].promptId, 30000u);
    EXPECT_EQ(presenter.shown[1].text, "[missing string 30001]");

    // Nobody to ask: questions are answered the way that changes nothing.
    EXPECT_EQ(PresentMessageBox(nullptr, "Delete?", "", MB_YESNO, 0), IDNO);
    EXPECT_EQ(PresentMessageBox(nullptr, "Go on?", "", MB_OKCANCEL, 0), IDCANCEL);
    EXPECT_EQ(PresentMessageBox(nullptr, "Done.", "", MB_OK, 0), IDOK);
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
