#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "platform/vocabulary/kinds.h"
#include "server/server_state.h"
#include "server/stream_files.h"
#include "tests/console/console_test_support.h"

namespace ptp::console {
namespace {

using testing::RunningConsole;

std::string Get(const RunningConsole& console, const std::string& path) {
    auto client = console.Client();
    const auto answer = client.Get(path, {{"Cookie", console.SignIn()}});
    if (!answer) return "no answer";
    return std::to_string(answer->status) + " " + answer->body;
}

nlohmann::json GetJson(const RunningConsole& console, const std::string& path) {
    auto client = console.Client();
    const auto answer = client.Get(path, {{"Cookie", console.SignIn()}});
    if (!answer || answer->status != 200) return nullptr;
    return nlohmann::json::parse(answer->body);
}

// The console's views read the server through the host client; here the server's store is
// filled directly, as the job simulation and the command log would fill it.
TEST(ServerViews, JobsSpooledFilesConnectionsAndTheCommandLogShowWhatTheStandInHolds) {
    RunningConsole console(/*demo=*/true);
    ASSERT_TRUE(console.Ready());
    server::ServerState state(console.StateDir() / "systems");
    ASSERT_TRUE(state.HasSystem("DEMO")) << "--demo creates the system in the embedded server";
    auto system = state.OpenSystem("DEMO");
    ASSERT_TRUE(system.ok());
    auto& demo = **system;
    const std::string jobName = "000042/QTCP/QKTL_TOCPPP_SSN@PRF1";
    // The demo system comes with jobs and connections of its own.
    const auto seeded = GetJson(console, "/api/jobs?system=DEMO");
    ASSERT_TRUE(seeded.is_object());
    const auto seededConnections = GetJson(console, "/api/connections?system=DEMO");
    ASSERT_TRUE(seededConnections.is_object());
    ASSERT_TRUE(demo.PutObject(kinds::kJob, jobName,
                               {{0, "QKTL_TOCPPP_SSN@PRF1"},
                                {1, "QTCP"},
                                {2, "000042"},
                                {3, "*ACTIVE"},
                                {4, "PRF1"}})
                    .ok());
    ASSERT_TRUE(demo.PutObject(kinds::kJob, "000043/QTCP/QTOCDIAL",
                               {{0, "QTOCDIAL"}, {1, "QTCP"}, {2, "000043"}, {3, "*OUTQ"}})
                    .ok());
    ASSERT_TRUE(demo.PutObject(kinds::kSpooledFile, jobName + "/QPJOBLOG/1",
                               {{0, "QKTL_TOCPPP_SSN@PRF1"},
                                {1, "QTCP"},
                                {2, "000042"},
                                {3, "QPJOBLOG"},
                                {4, "<script>LCP opened</script>"}})
                    .ok());
    ASSERT_TRUE(demo.PutObject(kinds::kConnectionJob, "PRF1/1",
                               {{0, "QKTL_TOCPPP_SSN@PRF1"},
                                {1, "QTCP"},
                                {2, "000042"},
                                {3, "PRF1"},
                                {4, "46"},
                                {5, "PPPLIN01"}})
                    .ok());
    ASSERT_TRUE(demo.PutObject(kinds::kConnectionJob, "PRF2/1",
                               {{0, "QKTL_TOCPPP_SSN@PRF2"}, {3, "PRF2"}, {4, "99"}})
                    .ok());
    ASSERT_TRUE(demo.LogCommand("NXWIN", "QSYS/STRTCPPTP CFGPRF('PRF1')", "").ok());

    const auto jobs = GetJson(console, "/api/jobs?system=DEMO&prefix=QKTL_TOCPPP_SSN@PRF");
    ASSERT_TRUE(jobs.is_object()) << Get(console, "/api/jobs?system=DEMO&prefix=QKTL_");
    ASSERT_EQ(jobs["rows"].size(), 1u) << "only jobs whose name starts with the prefix";
    EXPECT_EQ(jobs["rows"][0]["id"], jobName);
    EXPECT_EQ(jobs["rows"][0]["cells"][3], "*ACTIVE");
    EXPECT_EQ(GetJson(console, "/api/jobs?system=DEMO")["rows"].size(), seeded["rows"].size() + 2);

    const auto job = GetJson(console, "/api/job?system=DEMO&job=" + jobName);
    ASSERT_TRUE(job.is_object());
    EXPECT_EQ(job["job"]["cells"][4], "PRF1");
    ASSERT_EQ(job["rows"].size(), 1u);
    EXPECT_EQ(job["spool"], jobName + "/QPJOBLOG/1");

    // The spooled text comes back as data; the page puts it in as text, never as markup.
    const auto spool = GetJson(console, "/api/spool?system=DEMO&file=" + jobName + "/QPJOBLOG/1");
    ASSERT_TRUE(spool.is_object());
    EXPECT_EQ(spool["text"], "<script>LCP opened</script>");
    EXPECT_EQ(Get(console, "/api/spool?system=DEMO&file=nothing").substr(0, 3), "404");

    const auto connections = GetJson(console, "/api/connections?system=DEMO");
    ASSERT_TRUE(connections.is_object());
    ASSERT_EQ(connections["rows"].size(), seededConnections["rows"].size() + 2);
    const auto rowOf = [&](const std::string& profile) {
        return std::find_if(connections["rows"].begin(), connections["rows"].end(),
                            [&](const auto& row) { return row["cells"][0] == profile; });
    };
    const auto added = rowOf("PRF1");
    ASSERT_NE(added, connections["rows"].end());
    EXPECT_EQ((*added)["cells"][1], "IPCP opened") << "a status shows as text, not as its code";
    EXPECT_EQ((*added)["cells"][2], "PPPLIN01");
    const auto unknown = rowOf("PRF2");
    ASSERT_NE(unknown, connections["rows"].end());
    EXPECT_EQ((*unknown)["cells"][1], "Status 99");

    const auto log = GetJson(console, "/api/log?system=DEMO");
    ASSERT_TRUE(log.is_object());
    ASSERT_FALSE(log["rows"].empty());
    EXPECT_EQ(log["rows"].back()["cells"][2], "QSYS/STRTCPPTP CFGPRF('PRF1')");

    EXPECT_EQ(Get(console, "/api/jobs?system=OTHER").substr(0, 3), "404");
    EXPECT_EQ(Get(console, "/api/jobs?system=bad%20name").substr(0, 3), "400");
}

// The packet rules editor's view: the statements of a rules file as the server keeps it, a
// continued statement joined into one row, comments kept, and a file that ends mid-statement
// said so.
TEST(ServerViews, ThePacketRulesViewListsTheStatementsOfARulesFile) {
    RunningConsole console(/*demo=*/true);
    ASSERT_TRUE(console.Ready());
    const std::string filters = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";
    const auto rules = GetJson(console, "/api/rules?system=DEMO&file=" + filters);
    ASSERT_TRUE(rules.is_object()) << Get(console, "/api/rules?system=DEMO&file=" + filters);
    ASSERT_EQ(rules["rows"].size(), 5u) << rules.dump();
    EXPECT_EQ(rules["rows"][0]["cells"][1], "Comment");
    EXPECT_EQ(rules["rows"][1]["cells"],
              nlohmann::json::array(
                  {"2", "ADDRESS", "ADDRESS ISPNET IP = 0.0.0.0 MASK = 0.0.0.0 TYPE = TRUSTED"}));
    EXPECT_EQ(rules["rows"][4]["cells"][1], "FILTER");
    EXPECT_FALSE(rules.contains("message"));

    server::ServerState state(console.StateDir() / "systems");
    auto system = state.OpenSystem("DEMO");
    ASSERT_TRUE(system.ok());
    const std::string mine = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/MINE.I3P";
    ASSERT_TRUE((*system)
                    ->Files()
                    .Write(mine,
                           "filter set A action = permit %\n"
                           "   direction = * %\n"
                           "   srcaddr = *\n"
                           "\n"
                           "INCLUDE FILE = /x.i3p %\n",
                           server::kCcsidUtf16)
                    .ok());
    const auto continued = GetJson(console, "/api/rules?system=DEMO&file=" + mine);
    ASSERT_TRUE(continued.is_object());
    ASSERT_EQ(continued["rows"].size(), 2u) << continued.dump();
    EXPECT_EQ(continued["rows"][0]["cells"],
              nlohmann::json::array(
                  {"1", "FILTER", "filter set A action = permit direction = * srcaddr = *"}));
    EXPECT_EQ(continued["rows"][1]["cells"][0], "5");
    EXPECT_EQ(continued["message"],
              "The statement is not closed: the file ends after a continued line.");

    EXPECT_EQ(Get(console, "/api/rules?system=DEMO&file=/QKTL/NOTHERE.I3P").substr(0, 3), "404");
}

}  // namespace
}  // namespace ptp::console
