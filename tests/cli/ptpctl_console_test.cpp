// The ptpctl program itself, run as an operator runs it against a state folder: the console's
// operations through the plug-in, sheets opened directly from a script, and the rules and
// configuration files. Each case checks what was printed, the exit status and the server state.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "server/server_state.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

extern char** environ;

namespace ptp::cli {
namespace {
namespace prf = attr::profile;
using Json = nlohmann::json;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
    // The printed transcript; null when stdout is not JSON.
    [[nodiscard]] Json Transcript() const { return Json::parse(out, nullptr, false); }
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class PtpctlProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_state.AddSystem("SYS1", "050400", true).ok()); }

    // Runs the built program with `--state` set to this test's folder and `input` on its standard
    // input.
    ProgramRun Ptpctl(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {ptp::test::BinDir() + "/ptpctl", "--state",
                                   (m_folder.Path() / "state").string()});
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const std::string out = m_folder / "stdout";
        const std::string err = m_folder / "stderr";
        const std::string in = m_folder / "stdin";
        std::ofstream(in) << input;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t child = 0;
        ProgramRun run;
        const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0) << argv[0];
        if (spawned != 0) return run;
        int waited = 0;
        waitpid(child, &waited, 0);
        run.status = WIFEXITED(waited) ? WEXITSTATUS(waited) : 128 + WTERMSIG(waited);
        run.out = ReadAll(out);
        run.err = ReadAll(err);
        return run;
    }

    // A fresh look at the system, as another client sees it after ptpctl has ended.
    std::unique_ptr<server::System> System() {
        auto system = m_state.OpenSystem("SYS1");
        EXPECT_TRUE(system.ok());
        return system.ok() ? std::move(*system) : nullptr;
    }

    void AddProfile(const std::string& name, const std::string& line) {
        ASSERT_TRUE(System()
                        ->PutObject(kinds::kProfile, name,
                                    {{prf::kName, name},
                                     {prf::kMode, "1"},
                                     {prf::kProtocol, "2"},
                                     {prf::kStatus, "1"},
                                     {prf::kLineName, line},
                                     {prf::kLineType, "*ASYNC"},
                                     {prf::kLineService, "1"},
                                     {prf::kDescription, "Test profile"},
                                     {prf::kChangeStatus, "1"}})
                        .ok());
    }

    std::string Script(const std::string& name, const std::string& json) {
        const std::string path = m_folder / name;
        std::ofstream(path) << json;
        return path;
    }

    std::vector<std::string> Logged() {
        std::vector<std::string> commands;
        auto log = System()->ReadCommandLog();
        if (!log.ok()) return commands;
        for (const auto& entry : *log)
            commands.push_back(entry.command);
        return commands;
    }

    std::vector<server::ObjectRecord> Objects(std::string_view kind) {
        auto records = System()->ListObjects(kind);
        return records.ok() ? *records : std::vector<server::ObjectRecord>{};
    }

    testing::TempFolder m_folder;
    server::ServerState m_state{m_folder.Path() / "state"};
};

// The message boxes of a printed transcript, as resource id and the answer given.
std::vector<std::pair<int, int>> Boxes(const Json& transcript) {
    std::vector<std::pair<int, int>> boxes;
    for (const auto& entry : transcript["transcript"]) {
        if (entry["kind"] == "messageBox")
            boxes.emplace_back(entry["resource"].get<int>(), entry["answer"].get<int>());
    }
    return boxes;
}

TEST_F(PtpctlProgramTest, ListsMenusAndTasksOfTheDemoSystem) {
    ASSERT_EQ(Ptpctl({"--system", "sys1", "demo"}).status, 0);

    const ProgramRun modems = Ptpctl({"--system", "sys1", "list", "nmd"});
    EXPECT_EQ(modems.status, 0) << modems.err;
    EXPECT_EQ(modems.out.substr(0, modems.out.find('\n')),
              "Item\tName\tOrigin\tType\tInitialization\tReset\tDial\tAnswer");
    EXPECT_NE(modems.out.find("ACME 56K V.90\\u0001NMO\\u0002"), std::string::npos) << modems.out;
    EXPECT_NE(modems.out.find("\tACME 56K V.90\tUser-defined\tAnalog\t"), std::string::npos);

    // An active profile can be stopped but not started or deleted.
    const ProgramRun menu = Ptpctl({"--system", "sys1", "menu", "npf", "dialisp"});
    EXPECT_EQ(menu.status, 0) << menu.err;
    EXPECT_NE(menu.out.find("START\tStart\tgreyed\n"), std::string::npos) << menu.out;
    EXPECT_NE(menu.out.find("STOP\tStop\n"), std::string::npos);
    EXPECT_NE(menu.out.find("  LOGERRORS\tErrors Only\tgreyed\tchecked\n"), std::string::npos);
    EXPECT_NE(menu.out.find("PROPERTIES\tProperties\tdefault\n"), std::string::npos);

    const ProgramRun tasks = Ptpctl({"--system", "sys1", "tasks", "nmd"});
    EXPECT_EQ(tasks.status, 0) << tasks.err;
    EXPECT_EQ(tasks.out.substr(0, tasks.out.find('\t')), "28080");

    const ProgramRun missing = Ptpctl({"--system", "nosuch", "list", "npf"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("NOSUCH"), std::string::npos) << missing.err;
    EXPECT_EQ(Ptpctl({"--system", "sys1", "menu", "npf", "NOPROFILE"}).status, 1);
}

TEST_F(PtpctlProgramTest, InvokeStartRunsTheProfileJobAndReportsWhatTheConsoleHeard) {
    // The demo system has the line the profile needs.
    ASSERT_EQ(Ptpctl({"--system", "sys1", "demo"}).status, 0);
    AddProfile("PRF1", "PPPLIN01");
    const ProgramRun started = Ptpctl({"--system", "sys1", "invoke", "START", "npf", "PRF1"});
    ASSERT_EQ(started.status, 0) << started.err;
    const Json json = started.Transcript();
    ASSERT_FALSE(json.is_discarded()) << started.out;
    ASSERT_EQ(json["commands"].size(), 1u);
    EXPECT_EQ(json["commands"][0]["command"], "QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)");
    EXPECT_EQ(json["commands"][0]["reply"], "");
    ASSERT_EQ(json["messages"].size(), 2u);
    EXPECT_EQ(json["messages"][0]["message"], 0x407);
    EXPECT_EQ(json["messages"][1]["message"], 0x408);
    EXPECT_EQ(json["messages"][1]["text"], "1 of 1 profiles started.");

    EXPECT_EQ(Logged(), std::vector<std::string>{"QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)"});
    int running = 0;
    for (const auto& job : Objects(kinds::kJob)) {
        running +=
            job.Get(attr::job::kProfileName) == "PRF1" && job.Get(attr::job::kStatus) == "*ACTIVE";
    }
    EXPECT_EQ(running, 1);

    // A running profile greys START on the next run's menu: the state carried over.
    const ProgramRun menu = Ptpctl({"--system", "sys1", "menu", "npf", "PRF1"});
    EXPECT_NE(menu.out.find("START\tStart\tgreyed\n"), std::string::npos) << menu.out;
}

TEST_F(PtpctlProgramTest, InvokeDeleteTakesItsAnswersFromTheCommandLine) {
    AddProfile("PRF1", "PPPLIN01");
    AddProfile("PRF2", "PPPLIN02");

    // Not confirmed: nothing reaches the server, and the run still played to its end.
    const ProgramRun refused =
        Ptpctl({"--system", "sys1", "invoke", "DELETE", "npf", "PRF2", "--answer", "no"});
    EXPECT_EQ(refused.status, 0) << refused.err;
    EXPECT_EQ(Boxes(refused.Transcript()), (std::vector<std::pair<int, int>>{{19059, 7}}));
    EXPECT_TRUE(Logged().empty());

    const ProgramRun deleted = Ptpctl({"--system", "sys1", "invoke", "DELETE", "npf", "PRF2",
                                       "--answer", "yes", "--answer", "yes"});
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(Boxes(deleted.Transcript()),
              (std::vector<std::pair<int, int>>{{19059, 6}, {28069, 6}}));
    EXPECT_EQ(Logged(), std::vector<std::string>{"QSYS/RMVTCPPTP CFGPRF('PRF2') DLTCMNCFG(*YES)"});
    const auto profiles = Objects(kinds::kProfile);
    ASSERT_EQ(profiles.size(), 1u);
    EXPECT_EQ(profiles[0].name, "PRF1");

    const ProgramRun badScript = Ptpctl({"--system", "sys1", "invoke", "DELETE", "npf", "PRF1",
                                         "--script", Script("bad.json", "[1, 2]")});
    EXPECT_EQ(badScript.status, 1);
    EXPECT_NE(badScript.err.find("bad.json"), std::string::npos) << badScript.err;
    EXPECT_EQ(Objects(kinds::kProfile).size(), 1u);
}

TEST_F(PtpctlProgramTest, RunTaskCreatesAModemFromTheScript) {
    const std::string script = Script("task.json", R"({"dialogs": [
        {"dialog": "CPointToPointModemPropertySheet",
         "actions": [{"setText": 35600, "text": "TASK MODEM"}, "ok"]}]})");
    const ProgramRun run =
        Ptpctl({"--system", "sys1", "run-task", "nmd", "28080", "--script", script});
    EXPECT_EQ(run.status, 0) << run.err << run.out;
    const auto modems = Objects(kinds::kModem);
    ASSERT_EQ(modems.size(), 1u);
    EXPECT_EQ(modems[0].Get(0), "TASK MODEM");
    EXPECT_EQ(modems[0].Get(1), "0") << "a modem made by the user is not a system modem";
}

// Modem sheet scripts: the general page, then the command entries added on the parameter page.
constexpr const char* kNewModemScript = R"({"dialogs": [
    {"dialog": "CPointToPointModemPropertySheet",
     "actions": [{"setText": 35600, "text": "Fast 56K"}, {"setText": 35605, "text": "atdp"},
                 {"selectPage": 1}, {"click": 35611}, "ok"]},
    {"dialog": "CPointToPointModemParmsDialog",
     "actions": [{"setText": 35620, "text": "Speaker off"}, {"setText": 35621, "text": "ATM0"},
                 "ok"]}]})";

// The objects a printed transcript says were committed, as kind and name.
std::vector<std::pair<std::string, std::string>> Commits(const Json& transcript) {
    std::vector<std::pair<std::string, std::string>> commits;
    for (const auto& commit : transcript["commits"]) {
        if (commit["action"] == "commit") commits.emplace_back(commit["kind"], commit["name"]);
    }
    return commits;
}

TEST_F(PtpctlProgramTest, InvokeNewModemShowsTheSheetTheRefusalAndTheCommits) {
    const ProgramRun created = Ptpctl({"--system", "sys1", "invoke", "NEWMODEM", "nmd", "--script",
                                       Script("new.json", kNewModemScript)});
    EXPECT_EQ(created.status, 0) << created.err << created.out;
    const Json json = created.Transcript();
    ASSERT_FALSE(json.is_discarded()) << created.out;
    EXPECT_EQ(json["result"], 0);
    const Json& opened = json["transcript"][0];
    EXPECT_EQ(opened["kind"], "open");
    EXPECT_EQ(opened["dialog"], "CPointToPointModemPropertySheet");
    EXPECT_EQ(opened["pages"],
              Json::array({"CPointToPointModemGeneralPage", "CPointToPointModemParmsPage"}));
    // The command entry goes with the modem, and both arrive as commits, the modem first.
    const auto commits = Commits(json);
    ASSERT_GE(commits.size(), 2u) << json["commits"].dump();
    EXPECT_EQ(commits[0], (std::pair<std::string, std::string>{"Modem", "Fast 56K"}));
    EXPECT_EQ(commits.back().first, "ModemCommand");
    EXPECT_EQ(json["commits"][0]["attributes"]["0"], "Fast 56K");
    EXPECT_EQ(json["commits"][0]["client"], "NXWIN");
    auto modems = Objects(kinds::kModem);
    ASSERT_EQ(modems.size(), 1u);
    EXPECT_EQ(modems[0].Get(0), "Fast 56K");
    EXPECT_EQ(modems[0].Get(5), "ATDP");
    auto entries = Objects(kinds::kModemCommand);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Get(3), "Speaker off");
    EXPECT_EQ(entries[0].Get(4), "ATM0");

    // The same name again (the server compares without case), with the script on standard input:
    // refused with a message, the sheet stays open until the driver cancels it, nothing is
    // committed and the run fails.
    const ProgramRun duplicate =
        Ptpctl({"--system", "sys1", "invoke", "newmodem", "NMD", "--script", "-"},
               R"({"dialogs": [{"dialog": "CPointToPointModemPropertySheet",
                                "actions": [{"setText": 35600, "text": "FAST 56K"}, "ok"]}]})");
    EXPECT_EQ(duplicate.status, 1) << duplicate.out;
    const Json refused = duplicate.Transcript();
    bool sawBox = false;
    for (const auto& entry : refused["transcript"]) {
        if (entry["kind"] != "messageBox") continue;
        sawBox = true;
        EXPECT_EQ(entry["resource"], 27729);
        EXPECT_EQ(entry["style"].get<int>() & 0xF0, 0x30) << "the warning icon";
        EXPECT_NE(entry["text"].get<std::string>().find("already exists"), std::string::npos)
            << entry.dump();
    }
    EXPECT_TRUE(sawBox) << duplicate.out;
    EXPECT_TRUE(refused["commits"].empty());
    EXPECT_EQ(Objects(kinds::kModem).size(), 1u);

    // A copy starts with the model's command entries.
    const ProgramRun copied = Ptpctl({"--system", "sys1", "invoke", "NEWBASEDON", "nmd", "fast 56k",
                                      "--script", Script("copy.json", R"({"dialogs": [
        {"dialog": "CPointToPointModemPropertySheet",
         "actions": [{"setText": 35600, "text": "Copy"}, "ok"]}]})")});
    EXPECT_EQ(copied.status, 0) << copied.err << copied.out;
    int copiedEntries = 0;
    for (const auto& entry : Objects(kinds::kModemCommand))
        copiedEntries += entry.Get(0) == "Copy" && entry.Get(4) == "ATM0";
    EXPECT_EQ(copiedEntries, 1);

    // Properties of an existing modem, named in any case: one commit of the changed value.
    const ProgramRun changed = Ptpctl({"--system", "sys1", "invoke", "PROPERTIES", "nmd",
                                       "FAST 56k", "--script", Script("props.json", R"({"dialogs": [
        {"dialog": "CPointToPointModemPropertySheet",
         "actions": [{"setText": 35603, "text": "AT&F9"}, "ok"]}]})")});
    EXPECT_EQ(changed.status, 0) << changed.err << changed.out;
    const Json props = changed.Transcript();
    ASSERT_FALSE(Commits(props).empty()) << changed.out;
    EXPECT_EQ(Commits(props)[0], (std::pair<std::string, std::string>{"Modem", "Fast 56K"}));
    EXPECT_EQ(props["commits"][0]["attributes"]["3"], "AT&F9");
    bool initChanged = false;
    for (const auto& modem : Objects(kinds::kModem))
        initChanged |= modem.Get(0) == "Fast 56K" && modem.Get(3) == "AT&F9";
    EXPECT_TRUE(initChanged);
    EXPECT_EQ(Objects(kinds::kModem).size(), 2u);

    const ProgramRun unknown = Ptpctl({"--system", "sys1", "invoke", "PROPERTIES", "nmd", "NOSUCH",
                                       "--script", Script("again.json", kNewModemScript)});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("NOSUCH"), std::string::npos) << unknown.err;
    EXPECT_TRUE(unknown.out.empty());
}

TEST_F(PtpctlProgramTest, InvokeRefusesABadScriptBeforeAnythingRuns) {
    const auto refused = [&](const ProgramRun& run, const std::string& why) {
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    };
    refused(Ptpctl({"--system", "sys1", "invoke", "NEWMODEM", "nmd", "--script", "-"},
                   R"({"dialogs": [)"),
            "is not JSON");
    refused(Ptpctl({"--system", "sys1", "invoke", "NEWMODEM", "nmd", "--script", "-"}, "[1]"),
            "is not a JSON object");
    refused(Ptpctl({"--system", "sys1", "invoke", "NEWMODEM", "nmd", "--script",
                    m_folder / "missing.json"}),
            "missing.json cannot be read");
    refused(Ptpctl({"--system", "sys1", "invoke", "NEWMODEM", "nmd", "--script", "-"},
                   R"({"dialogs": [{"dialog": "CPointToPointModemPropertySheet",
                                    "actions": ["jump"]}]})"),
            "jump");
    EXPECT_TRUE(Objects(kinds::kModem).empty());
    EXPECT_TRUE(System()->ReadObjectLog()->empty());
}

TEST_F(PtpctlProgramTest, RulesAndConfigCommandsReportThroughTheirExitStatus) {
    ASSERT_TRUE(System()
                    ->Files()
                    .Write("/QKTL/GOOD.I3P", "MAP M TO PPP_FILTER_ID = pf\n", server::kCcsidUtf16)
                    .ok());
    ASSERT_TRUE(System()
                    ->Files()
                    .Write("/QKTL/BAD.I3P", "MAP M TO PPP_FILTER_ID = pf\nfilter SET X\n",
                           server::kCcsidUtf16)
                    .ok());
    const ProgramRun good = Ptpctl({"--system", "sys1", "rules", "show", "/qktl/good.i3p"});
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out, "MAP M    TO     PPP_FILTER_ID = pf    JRN = OFF    \n\n");
    const ProgramRun bad = Ptpctl({"--system", "sys1", "rules", "show", "/QKTL/BAD.I3P"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Line 2"), std::string::npos) << bad.err;
    const ProgramRun ids = Ptpctl({"--system", "sys1", "rules", "ids", "/QKTL/BAD.I3P"});
    EXPECT_EQ(ids.status, 0);
    EXPECT_EQ(ids.out, "PF\n");
    EXPECT_EQ(Ptpctl({"--system", "sys1", "rules", "show", "/QKTL/NONE.I3P"}).status, 2);
    EXPECT_EQ(Ptpctl({"rules", "show", "/QKTL/GOOD.I3P"}).status, 2);

    const ProgramRun none = Ptpctl({"--system", "sys1", "config", "show", "grouppolicy"});
    EXPECT_EQ(none.status, 2);
    EXPECT_FALSE(none.err.empty());
    ASSERT_TRUE(System()
                    ->Files()
                    .Write("/QKTL/UserData/NOS50/TCPIP/RAS/dhcpwanclient.cfg",
                           "SERVERTYPE=*RELAY   ADDRESS=10.0.0.1\n", server::kCcsidText)
                    .ok());
    const ProgramRun dhcp = Ptpctl({"--system", "sys1", "config", "show", "dhcpwanclient"});
    EXPECT_EQ(dhcp.status, 0) << dhcp.err;
    EXPECT_EQ(dhcp.out, "ADDRESS=10.0.0.1 SERVERTYPE=*RELAY \n");
}

// A validation-list entry's password reaches the server, but nothing ptpctl prints shows it: not
// the transcript of the sheet that saved it, not the objects listing, not the command log, and
// not the trail of object commits.
TEST_F(PtpctlProgramTest, EntryPasswordsAreNeverPrintedNorLoggedInClear) {
    constexpr std::string_view kPassword = "Tr0ub4dor&3";
    constexpr std::string_view kOtherPassword = "c0rrect-h0rse";
    ASSERT_TRUE(System()
                    ->PutObject(kinds::kValidationList, "QTOCPTP",
                                {{attr::validation_list::kName, "QTOCPTP"},
                                 {attr::validation_list::kLibrary, "QUSRSYS"}})
                    .ok());
    ASSERT_TRUE(System()
                    ->PutObject(kinds::kSystemValue, "QRETSVRSEC",
                                {{attr::system_value::kName, "QRETSVRSEC"},
                                 {attr::system_value::kValue, "1"}})
                    .ok());
    AddProfile("PRF1", "PPPLIN01");
    ASSERT_TRUE(
        System()->PutObject(kinds::kProfile, "PRF1", {{prf::kRemoteNumber1, "5551234"}}).ok());
    const ProgramRun saved =
        Ptpctl({"--system", "sys1", "invoke", "PROPERTIES", "npf", "PRF1", "--script", "-"},
               R"({"dialogs": [
            {"dialog": "CPointToPointProfilePropertySheet",
             "actions": [{"selectPage": {"template": "IDD_PROFILE_PPP_DIAL_AUTH"}},
                         {"check": "IDC_AUTH_LOCAL_ID"},
                         {"setText": "IDC_AUTH_NAME", "text": "ispuser"},
                         {"setText": "IDC_AUTH_PASSWORD", "text": "Tr0ub4dor&3"}, "ok"]},
            {"dialog": "CPointToPointProfileAuthConfirmPasswordDlg",
             "actions": [{"setText": "IDC_AUTH_CONFIRM_PASSWORD", "text": "Tr0ub4dor&3"},
                         "ok"]}]})");
    ASSERT_EQ(saved.status, 0) << saved.err << saved.out;
    EXPECT_EQ(saved.out.find(kPassword), std::string::npos) << saved.out;
    EXPECT_EQ(saved.err.find(kPassword), std::string::npos) << saved.err;
    const Json transcript = saved.Transcript();
    int entries = 0;
    for (const auto& commit : transcript["commits"]) {
        if (commit["kind"] != "ValidationListEntry") continue;
        ++entries;
        EXPECT_EQ(commit["attributes"]["3"], "ispuser");
        EXPECT_EQ(commit["attributes"]["4"], "********") << "sent, but not shown";
    }
    EXPECT_EQ(entries, 1) << saved.out;
    // The stand-in keeps the password itself, so the sheet can read it back.
    const auto stored = Objects(kinds::kValidationListEntry);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Get(attr::validation_list_entry::kData2), kPassword);

    ASSERT_EQ(
        Ptpctl({"--system", "sys1", "object", "put", "ValidationListEntry", "QTOCPTP/4142",
                "0=QTOCPTP", "1=QUSRSYS", "2=4142", "3=other", "4=" + std::string(kOtherPassword)})
            .status,
        0);
    const ProgramRun listed = Ptpctl({"--system", "sys1", "objects", "ValidationListEntry"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    int masked = 0;
    std::istringstream lines(listed.out);
    for (std::string line; std::getline(lines, line);) {
        const Json entry = Json::parse(line, nullptr, false);
        ASSERT_FALSE(entry.is_discarded()) << line;
        masked += entry["attributes"]["4"] == "********";
    }
    EXPECT_EQ(masked, 2) << listed.out;
    const ProgramRun one =
        Ptpctl({"--system", "sys1", "objects", "ValidationListEntry", "QTOCPTP/4142"});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find("\"3\":\"other\""), std::string::npos) << one.out;
    const ProgramRun log = Ptpctl({"--system", "sys1", "log"});
    EXPECT_EQ(log.status, 0) << log.err;
    for (const ProgramRun& run : {listed, one, log}) {
        EXPECT_EQ(run.out.find(kPassword), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find(kOtherPassword), std::string::npos) << run.out;
    }
    auto trail = System()->ReadObjectLog();
    ASSERT_TRUE(trail.ok());
    int trailEntries = 0;
    for (const auto& entry : *trail) {
        if (entry.kind != kinds::kValidationListEntry) continue;
        ++trailEntries;
        for (const auto& [id, value] : entry.attributes) {
            EXPECT_NE(value, kPassword) << "attribute " << id;
            EXPECT_NE(value, kOtherPassword) << "attribute " << id;
        }
    }
    EXPECT_GE(trailEntries, 1);
    auto commands = System()->ReadCommandLog();
    ASSERT_TRUE(commands.ok());
    for (const auto& entry : *commands) {
        EXPECT_EQ(entry.command.find(kPassword), std::string::npos) << entry.command;
        EXPECT_EQ(entry.reply.find(kPassword), std::string::npos) << entry.reply;
    }
}

}  // namespace
}  // namespace ptp::cli
