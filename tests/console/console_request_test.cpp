#include "console/console_request.h"

#include <gtest/gtest.h>

namespace ptp::console {
namespace {

TEST(ConsoleRequest, SelectionsAreDecodedAndChecked) {
    const auto menu = ParseMenuRequest(
        R"({"system":"DEMO","folder":"NPF","items":["PRF1\u0001NPO\u00020"],"kind":"new"})");
    ASSERT_TRUE(menu.ok()) << menu.error().message;
    EXPECT_EQ(menu->selection.system, "DEMO");
    EXPECT_EQ(menu->selection.folder, "NPF");
    ASSERT_EQ(menu->selection.items.size(), 1u);
    EXPECT_EQ(menu->selection.items[0], std::string("PRF1\x01NPO\x02") + "0");
    EXPECT_EQ(menu->kind, MenuKind::New);

    EXPECT_FALSE(ParseMenuRequest(R"({"system":"DEMO","folder":"npf"})").ok());
    EXPECT_FALSE(ParseMenuRequest(R"({"system":"DEMO","folder":"NPF","kind":"all"})").ok());
    EXPECT_FALSE(ParseMenuRequest(R"({"system":"DE MO","folder":"NPF"})").ok());
    EXPECT_FALSE(ParseMenuRequest(R"({"system":"DEMO","folder":"NPF","items":[1]})").ok());
    EXPECT_FALSE(ParseMenuRequest(R"({"system":"DEMO","folder":"NPF","items":[""]})").ok());
    EXPECT_FALSE(ParseMenuRequest(R"(["DEMO"])").ok());
    EXPECT_FALSE(ParseMenuRequest("").ok());

    const auto task = ParseTaskRequest(R"({"system":"DEMO","folder":"NMD","task":28080})");
    ASSERT_TRUE(task.ok());
    EXPECT_EQ(task->taskId, 28080u);
    EXPECT_FALSE(ParseTaskRequest(R"({"system":"DEMO","folder":"NMD","task":-1})").ok());
    EXPECT_FALSE(ParseTaskRequest(R"({"system":"DEMO","folder":"NMD","task":"28080"})").ok());
    EXPECT_FALSE(ParseTaskRequest(R"({"system":"DEMO","folder":"NMD","task":1e3})").ok());
    EXPECT_FALSE(ParseInvokeRequest(R"({"system":"DEMO","folder":"NMD","verb":""})").ok());
}

TEST(ConsoleRequest, DialogActionsAreDecodedAndChecked) {
    const auto action = ParseDialogActionRequest(
        R"({"dialog":7,"action":"set","control":1001,"text":"MODEM1","index":2,"checked":true})");
    ASSERT_TRUE(action.ok()) << action.error().message;
    EXPECT_EQ(action->dialog, 7u);
    EXPECT_EQ(action->action, "set");
    EXPECT_EQ(action->control, 1001);
    EXPECT_EQ(action->text, "MODEM1");
    EXPECT_EQ(action->index, 2);
    EXPECT_TRUE(action->checked);

    EXPECT_FALSE(ParseDialogActionRequest(R"({"action":"ok"})").ok());
    EXPECT_FALSE(ParseDialogActionRequest(R"({"dialog":1,"action":"ok","control":70000})").ok());
    EXPECT_FALSE(ParseDialogActionRequest(R"({"dialog":1,"action":"ok","checked":1})").ok());
    EXPECT_FALSE(ParseDialogActionRequest(R"({"dialog":18446744073709551615,"action":"ok"})").ok());
    const auto tooLong = ParseDialogActionRequest(R"({"dialog":1,"action":"set","text":")" +
                                                  std::string(5000, 'x') + "\"}");
    EXPECT_FALSE(tooLong.ok());
    EXPECT_EQ(ParseDialogActionRequest(std::string(kMaxRequestBody + 1, ' ')).error().kind,
              ErrorKind::TooLarge);
}

}  // namespace
}  // namespace ptp::console
