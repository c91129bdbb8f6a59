#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <tuple>
#include <utility>

#include "console/console_plugin.h"
#include "console/session/console_bridge.h"
#include "platform/com/registry.h"
#include "platform/framework/item_id.h"
#include "server/server_state.h"
#include "server/system.h"
#include "tests/console/console_test_support.h"

namespace ptp::console {
namespace {

using nlohmann::json;
using testing::RunningConsole;

json Parse(const httplib::Result& answer, int* status) {
    *status = answer ? answer->status : 0;
    if (!answer || answer->status != 200) return nullptr;
    return json::parse(answer->body);
}

json Post(RunningConsole& console, const std::string& path, const json& body, int* status) {
    return Parse(console.Post(path, body.dump()), status);
}

json Get(RunningConsole& console, const std::string& path, int* status) {
    auto client = console.Client();
    return Parse(client.Get(path, {{"Cookie", console.SignIn()}}), status);
}

// The item id the folder lists for the row named `name`.
std::string ItemId(const json& folder, const std::string& name) {
    for (const auto& row : folder["rows"]) {
        if (row["cells"][0] == name) return row["id"];
    }
    return {};
}

std::vector<std::string> Commands(RunningConsole& console) {
    server::ServerState state(console.StateDir() / "systems");
    auto system = state.OpenSystem("DEMO");
    std::vector<std::string> commands;
    if (!system.ok()) return commands;
    auto log = (*system)->ReadCommandLog();
    if (!log) return commands;
    for (const auto& entry : *log)
        commands.push_back(entry.command);
    return commands;
}

bool Logged(RunningConsole& console, const std::string& part) {
    const auto commands = Commands(console);
    return std::any_of(commands.begin(), commands.end(), [&](const std::string& command) {
        return command.find(part) != std::string::npos;
    });
}

json Selection(const std::string& folder, const std::vector<std::string>& items) {
    return json{{"system", "DEMO"}, {"folder", folder}, {"items", items}};
}

// The page's requests reach the plug-in loaded through the registry; what it sends back (rows,
// menus, message boxes, the refresh and status-text messages) reaches the page.
TEST(ConsolePlugin, FoldersMenusCommandsAndTasksGoThroughThePlugin) {
    RunningConsole console(/*demo=*/true);
    ASSERT_TRUE(console.Ready());
    int status = 0;
    const auto folder = Get(console, "/api/folder?system=DEMO&folder=NPF", &status);
    ASSERT_EQ(status, 200);
    EXPECT_EQ(folder["columns"][0]["text"], "Name");
    const auto branch = ItemId(folder, "Branchdod");
    const auto dsl = ItemId(folder, "Pppoedsl");
    ASSERT_FALSE(branch.empty()) << folder.dump();
    ASSERT_FALSE(dsl.empty());

    auto menu = Selection("NPF", {branch});
    menu["kind"] = "object";
    const auto entries = Post(console, "/api/menu", menu, &status)["entries"];
    ASSERT_EQ(status, 200);
    EXPECT_EQ(entries[0]["verb"], "START");
    EXPECT_FALSE(entries[0]["greyed"]);
    const auto& logging = entries[1]["popup"];
    ASSERT_EQ(logging.size(), 3u) << entries.dump();
    EXPECT_TRUE(logging[1]["checked"]);
    EXPECT_TRUE(logging[1]["radio"]);
    EXPECT_EQ(logging[1]["verb"], "LOGERRORS");
    EXPECT_TRUE(entries[2]["greyed"]) << "STOP of a stopped profile";
    EXPECT_TRUE(entries[3]["separator"]);
    EXPECT_EQ(entries.back()["verb"], "PROPERTIES");
    EXPECT_TRUE(entries.back()["default"]);

    auto newMenu = Selection("NPF", {});
    newMenu["kind"] = "new";
    const auto news = Post(console, "/api/menu", newMenu, &status)["entries"];
    ASSERT_EQ(news.size(), 3u);
    EXPECT_EQ(news[0]["verb"], "NEWPROFILE");
    EXPECT_TRUE(news[1]["separator"]);
    EXPECT_EQ(news[2]["verb"], "NEWWDNPROFILE");

    auto start = Selection("NPF", {branch});
    start["verb"] = "START";
    const auto started = Post(console, "/api/invoke", start, &status);
    ASSERT_EQ(status, 200);
    EXPECT_EQ(started["status"], "1 of 1 profiles started.");
    EXPECT_EQ(started["refresh"], 1);
    EXPECT_TRUE(Logged(console, "QSYS/STRTCPPTP CFGPRF('BRANCHDOD') OUTPUT(*ERROR)"));

    // A greyed command does not run; nor does an item the folder does not have.
    auto stop = Selection("NPF", {dsl});
    stop["verb"] = "STOP";
    (void)Post(console, "/api/invoke", stop, &status);
    EXPECT_EQ(status, 409);
    EXPECT_FALSE(Logged(console, "ENDTCPPTP"));
    stop["items"] = json::array({fw::ItemIdText("Nobody", "NPO", 9)});
    (void)Post(console, "/api/invoke", stop, &status);
    EXPECT_EQ(status, 404);
    stop["items"] = json::array({"Nobody"});
    (void)Post(console, "/api/invoke", stop, &status);
    EXPECT_EQ(status, 400);

    // A confirmation waits for the page; meanwhile the folder still lists, but a second command
    // is refused so the first keeps its objects.
    auto remove = Selection("NPF", {dsl});
    remove["verb"] = "DELETE";
    const auto asked = Post(console, "/api/invoke", remove, &status);
    ASSERT_EQ(status, 200);
    ASSERT_EQ(asked["dialogs"].size(), 1u);
    EXPECT_EQ(asked["dialogs"][0]["kind"], "message");
    EXPECT_EQ(asked["dialogs"][0]["resource"], 19059);
    // The command runs under a wait cursor, but a question to the user is not work in progress.
    EXPECT_EQ(asked["busy"], false);
    (void)Post(console, "/api/menu", menu, &status);
    EXPECT_EQ(status, 409);
    (void)Get(console, "/api/folder?system=DEMO&folder=NPF", &status);
    EXPECT_EQ(status, 200);
    const auto answered = Post(
        console, "/api/dialog",
        {{"dialog", asked["dialogs"][0]["serial"]}, {"action", "answer"}, {"text", "no"}}, &status);
    ASSERT_EQ(status, 200);
    EXPECT_TRUE(answered["dialogs"].empty());
    EXPECT_FALSE(Logged(console, "RMVTCPPTP"));

    // The task pad of the modems folder, and a task that opens the modem sheet.
    const auto tasks = Get(console, "/api/tasks?system=DEMO&folder=NMD", &status)["tasks"];
    ASSERT_EQ(status, 200);
    ASSERT_FALSE(tasks.empty());
    EXPECT_EQ(tasks[0]["id"], 28080);
    auto task = Selection("NMD", {});
    task["task"] = 28080;
    const auto sheet = Post(console, "/api/task", task, &status);
    ASSERT_EQ(status, 200);
    ASSERT_EQ(sheet["dialogs"].size(), 1u);
    EXPECT_EQ(sheet["dialogs"][0]["caption"], "New Modem");
    const auto cancelled =
        Post(console, "/api/dialog",
             {{"dialog", sheet["dialogs"][0]["serial"]}, {"action", "cancel"}}, &status);
    EXPECT_TRUE(cancelled["dialogs"].empty());
}

// The answer to a request, status and JSON body, whatever the status.
std::pair<int, json> Answer(const httplib::Result& answer) {
    if (!answer) return {0, nullptr};
    return {answer->status, json::parse(answer->body, nullptr, false)};
}

// What the plug-in session cannot do reaches the page with a status that says whose it is: a
// folder or item that is not there, a command the plug-in declines, or a plug-in that is broken.
TEST(ConsolePlugin, PluginFailuresAreNotFoundRefusedOrFailed) {
    RunningConsole console(/*demo=*/true);
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();
    const httplib::Headers session{{"Cookie", console.SignIn()}};

    auto [status, body] = Answer(client.Get("/api/folder?system=DEMO&folder=NQQ", session));
    EXPECT_EQ(status, 404);
    EXPECT_EQ(body["error"], "not-found");
    EXPECT_NE(body["message"].get<std::string>().find("Folder NQQ has no list"), std::string::npos)
        << body.dump();

    auto missing = Selection("NMD", {fw::ItemIdText("No Such Modem", "NMO", 0)});
    missing["kind"] = "object";
    std::tie(status, body) = Answer(console.Post("/api/menu", missing.dump()));
    EXPECT_EQ(status, 404);
    EXPECT_NE(body["message"].get<std::string>().find("has no item No Such Modem"),
              std::string::npos)
        << body.dump();

    auto dance = Selection("NMD", {});
    dance["verb"] = "DANCE";
    std::tie(status, body) = Answer(console.Post("/api/invoke", dance.dump()));
    EXPECT_EQ(status, 409);
    EXPECT_EQ(body["error"], "conflict");

    // The modems' list data is no longer registered: the plug-in cannot serve the folder, which is
    // the console's fault to report, not the user's.
    ASSERT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\{A206FAC1-B636-11D0-8E51-444553540000}"),
              ERROR_SUCCESS);
    std::tie(status, body) = Answer(client.Get("/api/folder?system=DEMO&folder=NMD", session));
    EXPECT_EQ(status, 500);
    EXPECT_EQ(body["error"], "internal");
    EXPECT_NE(body["message"].get<std::string>().find("not registered"), std::string::npos)
        << body.dump();
    std::tie(status, body) = Answer(client.Get("/api/folder?system=DEMO&folder=NPF", session));
    EXPECT_EQ(status, 200) << "the other folders still list";
}

// The views the plug-in opens become addresses of the console's own views.
TEST(ConsolePlugin, TheViewsThePluginOpensBecomeConsoleAddresses) {
    const std::string userJobs = fw::JoinItemIdLevels(
        {fw::ItemIdText("Basic Operations", "BOF", 3), fw::ItemIdText("Jobs", "User Jobs", 0)});
    const std::string serverJobs =
        fw::JoinItemIdLevels({fw::ItemIdText("Work Management", "JMF", 1),
                              fw::ItemIdText("Server Jobs", "Server Jobs", 0)});
    // A job name longer than its ten columns pushes user and number right.
    auto job =
        NavigationOf({"view", "DEMO", userJobs, "QKTL_TOCPPP_SSN@DIALISPQTCP      100001", "Job"});
    ASSERT_TRUE(job);
    EXPECT_EQ(job->view, "job");
    EXPECT_EQ(job->argument, "100001/QTCP/QKTL_TOCPPP_SSN@DIALISP");
    job = NavigationOf({"view", "DEMO", userJobs, "QTOCDIAL  QTCP      000043", "Job"});
    ASSERT_TRUE(job);
    EXPECT_EQ(job->argument, "000043/QTCP/QTOCDIAL");
    const auto jobs = NavigationOf({"view", "DEMO", serverJobs, "QKTL_TOCPPP_SSN@", "Jobs"});
    ASSERT_TRUE(jobs);
    EXPECT_EQ(jobs->view, "jobs");
    EXPECT_EQ(jobs->argument, "QKTL_TOCPPP_SSN@");
    const auto spool =
        NavigationOf({"spooledFile", "DEMO", "QTOCDIAL  QTCP      000043", "QPJOBLOG/1", "QTCP"});
    ASSERT_TRUE(spool);
    EXPECT_EQ(spool->view, "spool");
    EXPECT_EQ(spool->argument, "000043/QTCP/QTOCDIAL/QPJOBLOG/1");
    EXPECT_FALSE(NavigationOf({"view", "DEMO", fw::ItemIdText("TCP/IP", "TCS", 0), "", ""}));
    // The TCP/IP server folders show the jobs of their servers.
    const auto dhcp = NavigationOf({"view", "DEMO",
                                    fw::JoinItemIdLevels({fw::ItemIdText("Network", "Network", 0),
                                                          fw::ItemIdText("TCP/IP", "TCP/IP", 0),
                                                          fw::ItemIdText("DHCP", "DHCP", 0)}),
                                    "", "DHCP"});
    ASSERT_TRUE(dhcp);
    EXPECT_EQ(dhcp->view, "jobs");
    EXPECT_EQ(dhcp->argument, "QTODDHCPS");
    EXPECT_FALSE(NavigationOf({"view", "DEMO", userJobs, "", ""}));
    EXPECT_FALSE(NavigationOf({"editor", "DEMO", "RulesEditor", "open", ""}));
    // The packet rules editor's remote access entry opens the PPP filters in the rules view.
    const auto rules =
        NavigationOf({"editor", "DEMO", "com/ktl/rq800/admix/ippolicies/LMPacketRules",
                      "launchEditorForRemoteAccess", ""});
    ASSERT_TRUE(rules);
    EXPECT_EQ(rules->view, "rules");
    EXPECT_EQ(rules->argument, "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P");
    EXPECT_FALSE(NavigationOf(
        {"editor", "DEMO", "com/ktl/rq800/admix/ippolicies/LMPacketRules", "launchEditor", ""}));
}

}  // namespace
}  // namespace ptp::console
