#include <gtest/gtest.h>

#include <atomic>
#include <nlohmann/json.hpp>

#include "console/browser_window.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/wnd.h"
#include "tests/console/console_test_support.h"

namespace ptp::console {
namespace {

using nlohmann::json;
using testing::RunningConsole;

constexpr int kSetupDialog = 31100;  // a template of the resource library with every usual control
constexpr int kAnswerRadio = 31102;

json Act(RunningConsole& console, const json& action, int* status = nullptr) {
    const auto answer = console.Post("/api/dialog", action.dump());
    if (status) *status = answer ? answer->status : 0;
    if (!answer || answer->status != 200) return nullptr;
    return json::parse(answer->body);
}

const json* FindControl(const json& dialog, int id) {
    for (const auto& control : dialog["controls"]) {
        if (control["id"] == id) return &control;
    }
    return nullptr;
}

// The browser sees the dialog a plug-in call opened, acts on it, and the call goes on with the
// result, all while the call waits in the toolkit's modal loop on the UI thread.
TEST(WebDriver, TheBrowserPlaysADialogThatACallOpened) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    std::atomic<int> result{-1};
    auto opened = console.App().RunCall([&] {
        ui::CDialog dialog(kSetupDialog);
        result = static_cast<int>(dialog.DoModal());
    });
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    ASSERT_EQ((*opened)["dialogs"].size(), 1u);
    const json dialog = (*opened)["dialogs"][0];
    EXPECT_EQ(dialog["kind"], "dialog");
    EXPECT_EQ(dialog["template"], kSetupDialog);
    EXPECT_FALSE(dialog["caption"].get<std::string>().empty());
    ASSERT_NE(FindControl(dialog, kAnswerRadio), nullptr);
    EXPECT_EQ((*FindControl(dialog, kAnswerRadio))["check"], 0);
    EXPECT_FALSE((*FindControl(dialog, kAnswerRadio))["label"].get<std::string>().empty());
    for (const int button : {1, 2, 9}) {
        ASSERT_NE(FindControl(dialog, button), nullptr) << "the page finds OK, Cancel and Help";
        EXPECT_EQ((*FindControl(dialog, button))["kind"], "button");
    }
    const auto serial = dialog["serial"].get<std::uint64_t>();

    const auto checked = Act(
        console,
        {{"dialog", serial}, {"action", "check"}, {"control", kAnswerRadio}, {"checked", true}});
    ASSERT_TRUE(checked.is_object());
    EXPECT_EQ((*FindControl(checked["dialogs"][0], kAnswerRadio))["check"], 1);
    EXPECT_EQ(result, -1) << "the dialog is still open";

    int status = 0;
    Act(console, {{"dialog", serial + 99}, {"action", "ok"}}, &status);
    EXPECT_EQ(status, 409) << "an action for a dialog that is not on top";
    Act(console, {{"dialog", serial}, {"action", "dance"}}, &status);
    EXPECT_EQ(status, 400);
    EXPECT_EQ(console.Post("/api/systems/add", R"({"name":"X","release":"050400"})")->status, 200)
        << "the console goes on answering while the dialog waits";

    const auto help = Act(console, {{"dialog", serial}, {"action", "click"}, {"control", 9}});
    ASSERT_TRUE(help.is_object());
    ASSERT_EQ(help["dialogs"].size(), 1u) << "Help leaves the dialog open";
    EXPECT_FALSE(help["dialogs"][0].value("helpText", "").empty()) << help.dump();

    const auto closed = Act(console, {{"dialog", serial}, {"action", "click"}, {"control", 1}});
    ASSERT_TRUE(closed.is_object());
    EXPECT_TRUE(closed["dialogs"].empty());
    EXPECT_EQ(result, 1) << "OK ends the dialog with IDOK";
    Act(console, {{"dialog", serial}, {"action", "ok"}}, &status);
    EXPECT_EQ(status, 404);
}

json Answer(const httplib::Result& answer, int* status) {
    *status = answer ? answer->status : 0;
    return answer ? json::parse(answer->body, nullptr, false) : json();
}

// Two windows on one console: a dialog stays with the window that opened it; the other window
// is told what is open and since when, and may take it over with what was done in it so far.
TEST(WebDriver, ADialogBelongsToItsWindowUntilAnotherTakesItOver) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    std::atomic<int> result{-1};
    const auto opened = [&] {
        const RequestWindow first("first-window");
        return console.App().RunCall([&] {
            ui::CDialog dialog(kSetupDialog);
            result = static_cast<int>(dialog.DoModal());
        });
    }();
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    ASSERT_EQ((*opened)["dialogs"].size(), 1u);
    EXPECT_TRUE((*opened)["elsewhere"].is_null());
    const auto caption = (*opened)["dialogs"][0]["caption"].get<std::string>();
    const auto serial = (*opened)["dialogs"][0]["serial"].get<std::uint64_t>();
    const json check{
        {"dialog", serial}, {"action", "check"}, {"control", kAnswerRadio}, {"checked", true}};
    int status = 0;
    Answer(console.PostFrom("first-window", "/api/dialog", check.dump()), &status);
    EXPECT_EQ(status, 200);

    // The second window sees no dialog, only which one is open and since when.
    const auto seen = Answer(console.GetFrom("second-window", "/api/state"), &status);
    ASSERT_EQ(status, 200);
    EXPECT_TRUE(seen["dialogs"].empty());
    const auto told = seen["elsewhere"].value("text", "");
    EXPECT_NE(told.find('"' + caption + '"'), std::string::npos) << told;
    EXPECT_NE(told.find("another window"), std::string::npos) << told;
    EXPECT_GT(seen["elsewhere"].value("since", 0LL), 0);
    const auto refused = Answer(console.PostFrom("second-window", "/api/dialog",
                                                 json{{"dialog", serial}, {"action", "ok"}}.dump()),
                                &status);
    EXPECT_EQ(status, 409);
    EXPECT_EQ(refused.value("message", ""), told);
    EXPECT_EQ(Answer(console.GetFrom("no window!", "/api/state"), &status)["dialogs"].size(), 0u)
        << "a malformed window id names no window";

    // Taken over: the dialog moves as it is, and the first window is the one told now.
    const auto taken =
        Answer(console.PostFrom("second-window", "/api/dialog/takeover", "{}"), &status);
    ASSERT_EQ(status, 200);
    ASSERT_EQ(taken["dialogs"].size(), 1u);
    EXPECT_EQ((*FindControl(taken["dialogs"][0], kAnswerRadio))["check"], 1);
    EXPECT_TRUE(taken["elsewhere"].is_null());
    const auto first = Answer(console.GetFrom("first-window", "/api/state"), &status);
    EXPECT_TRUE(first["dialogs"].empty());
    EXPECT_FALSE(first["elsewhere"].is_null());
    Answer(console.PostFrom("first-window", "/api/dialog", check.dump()), &status);
    EXPECT_EQ(status, 409);

    const auto closed = Answer(
        console.PostFrom("second-window", "/api/dialog",
                         json{{"dialog", serial}, {"action", "click"}, {"control", 1}}.dump()),
        &status);
    EXPECT_TRUE(closed["dialogs"].empty());
    EXPECT_EQ(result, 1) << "OK in the second window ends the dialog";
    EXPECT_TRUE(
        Answer(console.GetFrom("first-window", "/api/state"), &status)["elsewhere"].is_null());
    Answer(console.PostFrom("first-window", "/api/dialog/takeover", "{}"), &status);
    EXPECT_EQ(status, 404) << "nothing left to take over";
}

TEST(WebDriver, WindowIdsAreShortPlainNames) {
    EXPECT_EQ(WindowIdOf("3f2a-09"), "3f2a-09");
    EXPECT_EQ(WindowIdOf(""), "");
    EXPECT_EQ(WindowIdOf("a b"), "");
    EXPECT_EQ(WindowIdOf("<x>"), "");
    EXPECT_EQ(WindowIdOf(std::string(64, 'a')), std::string(64, 'a'));
    EXPECT_EQ(WindowIdOf(std::string(65, 'a')), "");
}

TEST(WebDriver, MessageBoxesShowTheirIconAndButtonsAndTakeOnlyThose) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    std::atomic<int> answer{-1};
    auto opened = console.App().RunCall([&] {
        answer = ui::AfxMessageBox("Delete profile <b>PRF1</b>?",
                                   ui::MB_YESNO | ui::MB_ICONWARNING | ui::MB_DEFBUTTON2);
    });
    ASSERT_TRUE(opened.ok());
    ASSERT_EQ((*opened)["dialogs"].size(), 1u);
    const json box = (*opened)["dialogs"][0];
    EXPECT_EQ(box["kind"], "message");
    EXPECT_EQ(box["text"], "Delete profile <b>PRF1</b>?");
    EXPECT_EQ(box["style"].get<unsigned>() & ui::MB_ICONMASK, ui::MB_ICONWARNING);
    EXPECT_EQ(box["buttons"], json::array({ui::IDYES, ui::IDNO}));
    EXPECT_EQ(box["default"], ui::IDNO);

    int status = 0;
    Act(console, {{"dialog", box["serial"]}, {"action", "answer"}, {"text", "ok"}}, &status);
    EXPECT_EQ(status, 400) << "a button the box does not have";
    const auto after =
        Act(console, {{"dialog", box["serial"]}, {"action", "answer"}, {"text", "no"}});
    ASSERT_TRUE(after.is_object());
    EXPECT_TRUE(after["dialogs"].empty());
    EXPECT_EQ(answer, 7);
}

TEST(WebDriver, RefreshAndStatusTextMessagesReachTheConsoleWindow) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    static const char kText[] = "1 of 2 profiles were started.";
    auto state = console.App().RunCall([] {
        const auto window = reinterpret_cast<HWND>(std::uintptr_t{0x7E57});
        ui::SendMessage(window, 0x407, 1, 0);
        ui::SendMessage(window, 0x408, 0, reinterpret_cast<LPARAM>(kText));
    });
    ASSERT_TRUE(state.ok());
    EXPECT_EQ((*state)["refresh"], 1);
    EXPECT_EQ((*state)["status"], kText);
}

}  // namespace
}  // namespace ptp::console
