#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "console/system_store.h"
#include "tests/console/console_test_support.h"

namespace ptp::console {
namespace {

using testing::RunningConsole;

TEST(ConsoleHttp, TokenIsExchangedForAStrictHttpOnlyCookie) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();

    const auto bare = client.Get("/");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->status, 401);
    EXPECT_EQ(client.Get("/?token=wrong")->status, 401);
    EXPECT_EQ(client.Get("/api/state")->status, 401);

    const auto exchanged = client.Get("/?token=" + console.Token());
    ASSERT_TRUE(exchanged);
    EXPECT_EQ(exchanged->status, 303);
    EXPECT_EQ(exchanged->get_header_value("Location"), "/");
    const auto cookie = exchanged->get_header_value("Set-Cookie");
    EXPECT_NE(cookie.find("HttpOnly"), std::string::npos);
    EXPECT_NE(cookie.find("SameSite=Strict"), std::string::npos);
    // The cookie is a session secret of its own, not the token that travelled in the URL.
    EXPECT_EQ(cookie.find(console.Token()), std::string::npos);

    const auto page = client.Get("/", {{"Cookie", console.SignIn()}});
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("<html"), std::string::npos);
    EXPECT_EQ(client.Get("/", {{"Cookie", "ptpconsole_1=forged"}})->status, 401);
}

TEST(ConsoleHttp, ForeignHostsAndOriginsAreRefused) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();
    const auto cookie = console.SignIn();
    const auto port = std::to_string(console.Port());

    // A page that rebinds its own name to 127.0.0.1 still sends its name as Host.
    EXPECT_EQ(
        client.Get("/?token=" + console.Token(), {{"Host", "attacker.example:" + port}})->status,
        403);
    EXPECT_EQ(client.Get("/api/state", {{"Cookie", cookie}, {"Host", "127.0.0.1:1"}})->status, 403);
    EXPECT_EQ(client.Get("/api/state", {{"Cookie", cookie}, {"Host", "localhost:" + port}})->status,
              200);

    const std::string body = R"({"name":"EVIL","release":"050400"})";
    const auto crossSite =
        client.Post("/api/systems/add", {{"Cookie", cookie}, {"Origin", "http://attacker.example"}},
                    body, "application/json");
    EXPECT_EQ(crossSite->status, 403);
    EXPECT_EQ(
        client.Post("/api/systems/add", {{"Cookie", cookie}}, body, "application/json")->status,
        403);
    EXPECT_EQ(client
                  .Post("/api/systems/add",
                        {{"Cookie", cookie},
                         {"Origin", console.Origin()},
                         {"Sec-Fetch-Site", "cross-site"}},
                        body, "application/json")
                  ->status,
              403);
    // None of the refused requests changed anything.
    const auto state = nlohmann::json::parse(client.Get("/api/state", {{"Cookie", cookie}})->body);
    EXPECT_TRUE(state["systems"].empty());
}

TEST(ConsoleHttp, BadRequestsGetAClearClientError) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();
    const httplib::Headers session{{"Cookie", console.SignIn()}, {"Origin", console.Origin()}};

    const auto getOfChange = client.Get("/api/systems/add", session);
    EXPECT_EQ(getOfChange->status, 405);
    EXPECT_EQ(getOfChange->get_header_value("Allow"), "POST");
    EXPECT_EQ(
        client.Post("/api/systems/add", session, "name=X", "application/x-www-form-urlencoded")
            ->status,
        415);
    EXPECT_EQ(console.Post("/api/systems/add", "{\"name\":")->status, 400);
    EXPECT_EQ(console.Post("/api/systems/add", R"({"name":"X"})")->status, 400);
    EXPECT_EQ(console
                  .Post("/api/systems/add",
                        R"({"name":")" + std::string(64, 'A') + R"(","release":"050400"})")
                  ->status,
              400);
    EXPECT_EQ(console.Post("/api/systems/add", R"({"name":"X","release":"5.4"})")->status, 400);
    EXPECT_EQ(console.Post("/api/systems/add", std::string(100000, '['))->status, 413);
    EXPECT_EQ(console.Post("/api/nothing", "{}")->status, 404);
    EXPECT_EQ(client.Get("/../CMakeLists.txt", session)->status, 404);
    EXPECT_EQ(client.Get("/%2e%2e/console_http.cpp", session)->status, 404);

    const auto answer = console.Post("/api/systems/remove", R"({"name":"NONE"})");
    EXPECT_EQ(answer->status, 404);
    const auto error = nlohmann::json::parse(answer->body);
    EXPECT_EQ(error["error"], "not-found");
    EXPECT_FALSE(error["message"].get<std::string>().empty());
}

TEST(ConsoleHttp, EveryAnswerCarriesTheSecurityHeaders) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();
    const auto cookie = console.SignIn();
    for (const auto& answer : {client.Get("/"), client.Get("/", {{"Cookie", cookie}}),
                               client.Get("/js/main.js", {{"Cookie", cookie}}),
                               client.Get("/api/state", {{"Host", "evil:1"}})}) {
        ASSERT_TRUE(answer);
        const auto csp = answer->get_header_value("Content-Security-Policy");
        EXPECT_NE(csp.find("default-src 'none'"), std::string::npos);
        EXPECT_NE(csp.find("script-src 'self';"), std::string::npos);
        EXPECT_NE(csp.find("frame-ancestors 'none'"), std::string::npos);
        EXPECT_EQ(csp.find("unsafe"), std::string::npos);
        EXPECT_EQ(answer->get_header_value("X-Content-Type-Options"), "nosniff");
    }
}

TEST(ConsoleHttp, ThePageLoadsItsModulesFromTheConsoleItself) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();
    const httplib::Headers session{{"Cookie", console.SignIn()}};
    const auto page = client.Get("/", session);
    ASSERT_TRUE(page);
    EXPECT_NE(page->body.find(R"(<script type="module" src="/js/main.js">)"), std::string::npos);
    EXPECT_EQ(page->body.find("<script>"), std::string::npos) << "no inline script";
    // A browser runs a module only when it comes with a JavaScript type; nosniff makes it strict.
    for (const char* module : {"/js/main.js", "/js/tree.js", "/js/list_view.js"}) {
        const auto answer = client.Get(module, session);
        ASSERT_TRUE(answer) << module;
        EXPECT_EQ(answer->status, 200) << module;
        EXPECT_EQ(answer->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
    }
    EXPECT_EQ(client.Get("/js/none.js", session)->status, 404);

    // The head names every module for the browser to fetch at once, not one import level after
    // another; each named module is there.
    const std::string preload = R"(<link rel="modulepreload" href=")";
    std::vector<std::string> named;
    for (auto at = page->body.find(preload); at != std::string::npos;
         at = page->body.find(preload, at + 1)) {
        const auto start = at + preload.size();
        named.push_back(page->body.substr(start, page->body.find('"', start) - start));
    }
    EXPECT_LT(page->body.find(preload), page->body.find("</head>"));
    for (const char* deep : {"/js/list_window.js", "/js/message_box.js", "/js/main.js"})
        EXPECT_NE(std::find(named.begin(), named.end(), deep), named.end()) << deep;
    for (const auto& module : named)
        EXPECT_EQ(client.Get(module, session)->status, 200) << module;
}

// A browser accepts brotli, whose strongest setting took seconds on a large folder's rows; on the
// loopback connection the console answers as it is, with the length it has.
TEST(ConsoleHttp, AnswersGoOutUncompressedToABrowserThatAcceptsCompression) {
    RunningConsole console;
    ASSERT_TRUE(console.Ready());
    auto client = console.Client();
    client.set_decompress(false);
    const httplib::Headers browser{{"Cookie", console.SignIn()},
                                   {"Accept-Encoding", "gzip, deflate, br"}};
    for (const char* path : {"/api/state", "/js/list_view.js", "/app.css"}) {
        const auto answer = client.Get(path, browser);
        ASSERT_TRUE(answer) << path;
        EXPECT_EQ(answer->status, 200) << path;
        EXPECT_FALSE(answer->has_header("Content-Encoding")) << path;
        EXPECT_EQ(answer->get_header_value("Content-Length"), std::to_string(answer->body.size()))
            << path;
    }
    const auto state = client.Get("/api/state", browser);
    ASSERT_TRUE(state);
    EXPECT_TRUE(nlohmann::json::parse(state->body)["systems"].is_array());
}

TEST(ConsoleHttp, SystemsAreAddedRemovedAndKept) {
    std::filesystem::path stateDir;
    {
        RunningConsole console(/*demo=*/true);
        ASSERT_TRUE(console.Ready());
        stateDir = console.StateDir();
        auto added = console.Post("/api/systems/add", R"({"name":"sys2","release":"050100"})");
        ASSERT_EQ(added->status, 200);
        auto state = nlohmann::json::parse(added->body);
        ASSERT_EQ(state["systems"].size(), 2u);
        EXPECT_EQ(state["systems"][0]["name"], "DEMO");
        EXPECT_EQ(state["systems"][1]["name"], "SYS2");
        EXPECT_EQ(state["systems"][1]["release"], "050100");
        EXPECT_EQ(console.Post("/api/systems/add", R"({"name":"SYS2","release":"050400"})")->status,
                  409);

        SystemStore saved(stateDir);
        ASSERT_TRUE(saved.Load().ok());
        ASSERT_NE(saved.Find("sys2"), nullptr);
        EXPECT_EQ(saved.Find("sys2")->release, "050100");

        EXPECT_EQ(console.Post("/api/systems/remove", R"({"name":"SYS2"})")->status, 200);
        ASSERT_TRUE(saved.Load().ok());
        EXPECT_EQ(saved.Find("SYS2"), nullptr);
        EXPECT_NE(saved.Find("DEMO"), nullptr);
    }
}

}  // namespace
}  // namespace ptp::console
