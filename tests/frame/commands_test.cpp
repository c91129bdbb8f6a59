// Running the plug-in's commands as a console does: what the server receives, what the user is
// asked and told, and what the console window hears back.
#include <algorithm>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "host/fault_injection.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"
#include "platform/vocabulary/kinds.h"
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::testing {
namespace {

class Commands_ : public PluginConsoleFixture {};

TEST_F(Commands_, StartUsesTheLoggingLevelChosenLast) {
    AddProfile({.name = "PRF1"});
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "START"), S_OK);
    EXPECT_EQ(Commands(), std::vector<std::string>{"QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)"});
    EXPECT_EQ(Refreshes(), 1);
    EXPECT_EQ(StatusTexts(), std::vector<std::string>{res::FormatText(Text(29171), {"1", "1"})});

    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "LOGNONE"), S_OK);
    EXPECT_TRUE(Line(Menu("NPF", {"PRF1"}), "LOGNONE").checked);
    EXPECT_FALSE(Line(Menu("NPF", {"PRF1"}), "LOGERRORS").checked);
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "start"), S_OK) << "verbs match in any case";
    EXPECT_EQ(Commands().back(), "QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*NONE)");
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "LOGMESSAGES"), S_OK);
    EXPECT_TRUE(Line(Menu("NPF", {"PRF1"}), "LOGMESSAGES").checked);
    EXPECT_EQ(Commands().size(), 2u) << "choosing a level runs nothing";
}

TEST_F(Commands_, FailedStopShowsTheReplyAndCountsNoSuccess) {
    AddProfile({.name = "PRF1", .status = "14", .jobName = "QKTL_TOCPPP_SSN@"});
    AddProfile({.name = "PRF2", .status = "14", .jobName = "QKTL_TOCPPP_SSN@"});
    replies["QSYS/ENDTCPPTP CFGPRF('PRF1')"] = "TCP8A0F: Profile PRF1 could not be ended.";
    EXPECT_EQ(Invoke("NPF", {"PRF1", "PRF2"}, "STOP"), S_OK);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"QSYS/ENDTCPPTP CFGPRF('PRF1')",
                                                    "QSYS/ENDTCPPTP CFGPRF('PRF2')"}));
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "TCP8A0F: Profile PRF1 could not be ended.");
    EXPECT_EQ(boxes[0].style & 0xF0u, 0x30u);
    EXPECT_EQ(Refreshes(), 1) << "several items refresh once, after the last";
    EXPECT_EQ(StatusTexts(), std::vector<std::string>{res::FormatText(Text(29172), {"1", "2"})});
}

TEST_F(Commands_, SingleFailureNeitherRefreshesNorHidesTheStatus) {
    AddProfile({.name = "PRF1", .status = "14", .jobName = "QKTL_TOCPPP_SSN@"});
    replies["QSYS/ENDTCPPTP"] = "CPF9999: Failed.";
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "STOP"), S_OK);
    EXPECT_EQ(Refreshes(), 0);
    EXPECT_EQ(StatusTexts(), std::vector<std::string>{res::FormatText(Text(29172), {"0", "1"})});
}

TEST_F(Commands_, DeletingTwoProfilesAsksOnceThenPerProfile) {
    AddProfile({.name = "PRF1"});
    AddProfile({.name = "PRF2", .lineService = "3"});
    driver.AnswerMessageBoxes({ui::IDYES, ui::IDNO});
    EXPECT_EQ(Invoke("NPF", {"PRF1", "PRF2"}, "DELETE"), S_OK);
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].resourceId, 29281u);
    EXPECT_EQ(boxes[0].style, 0x34u);
    EXPECT_EQ(boxes[0].text, res::FormatText(Text(29281), {"2"}));
    EXPECT_EQ(boxes[1].resourceId, 28069u);
    EXPECT_EQ(boxes[1].style, 0x134u);
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"QSYS/RMVTCPPTP CFGPRF('PRF1') DLTCMNCFG(*NO)",
                                        "QSYS/RMVTCPPTP CFGPRF('PRF2') DLTCMNCFG(*YES)"}));
    EXPECT_EQ(Refreshes(), 1);
    EXPECT_EQ(StatusTexts(), std::vector<std::string>{res::FormatText(Text(29282), {"2", "2"})});
}

TEST_F(Commands_, DeleteNotConfirmedRunsNothing) {
    AddProfile({.name = "PRF1"});
    AddProfile({.name = "PRF2"});
    driver.AnswerMessageBoxes({ui::IDNO});
    EXPECT_EQ(Invoke("NPF", {"PRF1", "PRF2"}, "DELETE"), S_OK);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Refreshes(), 0);
    driver.AnswerMessageBoxes({ui::IDNO});
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "DELETE"), S_OK);
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].resourceId, 19059u);
    EXPECT_EQ(boxes[1].text, res::FormatText(Text(19059), {"Prf1"}));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(Commands_, SeveralProfilesAreConfirmedEvenWhenTheFirstHasGoneMeanwhile) {
    AddProfile({.name = "PRF1", .lineService = "3"});
    AddProfile({.name = "PRF2", .lineService = "3"});
    host::FaultInjectingHost faulty(*m_host, &m_session->Bridge());
    host::SetHost(&faulty);
    ASSERT_FALSE(Line(Menu("NPF", {"PRF1", "PRF2"}), "DELETE").greyed);
    // Between the menu and the command the first profile's list element can no longer be read.
    host::Fault gone;
    gone.operation = host::HostOperation::ElementAt;
    gone.kind = std::string(kinds::kProfileList);
    faulty.AddFault(gone);
    driver.AnswerMessageBoxes({ui::IDOK, ui::IDNO});
    fw::CMINVOKECOMMANDINFO info;
    info.lpVerb = "DELETE";
    EXPECT_EQ(m_session->ContextMenu()->InvokeCommand(&info), S_OK);
    host::SetHost(m_host.get());
    ASSERT_EQ(faulty.Fired(), 1);
    std::vector<std::uint32_t> shown;
    for (const auto& box : MessageBoxes())
        shown.push_back(box.resourceId);
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{29079u, 29281u}))
        << "the missing row is reported, then the deletion is asked before anything runs";
    EXPECT_TRUE(Commands().empty()) << "a refused confirmation deletes nothing";
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(Commands_, DeletingAPolicyRewritesThePolicyFile) {
    {
        config::CPointToPointProfileGroupPolicyConfigFile file("SYS1",
                                                               config::kGroupPolicyConfigPath, 0);
        for (const char* name : {"SALES", "GUESTS"}) {
            auto record = file.CreateRecord("");
            record->SetGroupPolicy(name);
            file.Add(std::move(record));
        }
        ASSERT_EQ(file.Save(), config::kFileResultOk);
    }
    driver.AnswerMessageBoxes({ui::IDYES});
    EXPECT_EQ(Invoke("NGP", {"SALES"}, "DELETE"), S_OK);
    config::CPointToPointProfileGroupPolicyConfigFile file("SYS1", config::kGroupPolicyConfigPath,
                                                           0);
    ASSERT_EQ(file.Load(), config::kFileResultOk);
    ASSERT_EQ(file.GetCount(), 1u);
    EXPECT_EQ(file.GetAt(0)->GetGroupPolicy(), "GUESTS");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(Commands_, ProfileCommandsReachTheProfileSheet) {
    AddProfile({.name = "PRF1"});
    driver.When("CPointToPointProfileSetupDialog").Ok();
    EXPECT_EQ(Invoke("NPF", {"PRF1"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);
    EXPECT_EQ(driver.GetTranscript().ResultOf("CPointToPointProfileSetupDialog"), 1)
        << "the new profile's kind is asked for first";
    EXPECT_EQ(driver.GetTranscript().Of(ui::TranscriptEntry::Kind::StayedOpen).size(), 2u)
        << "both profile commands reach the profile sheet";
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(Refreshes(), 0) << "a cancelled sheet changes nothing";
}

TEST_F(Commands_, ModemCommandsReachTheModemSheet) {
    AddModem("MYMODEM", "0", "1");
    driver.AnswerMessageBoxes({ui::IDYES});
    EXPECT_EQ(Invoke("NMD", {"MYMODEM"}, "NEWBASEDON"), S_OK);
    EXPECT_EQ(Invoke("NMD", {"MYMODEM"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(Invoke("NMD", {}, "NEWMODEM"), S_OK);
    EXPECT_EQ(Invoke("NMD", {"MYMODEM"}, "DELETE"), S_OK);
    std::vector<std::uint32_t> shown;
    for (const auto& box : MessageBoxes())
        shown.push_back(box.resourceId);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 19059u), 1) << "deletion is confirmed";
    EXPECT_TRUE(Commands().empty()) << "modems change through their sheet, not through CL";
    EXPECT_FALSE(System().GetObject(kinds::kModem, "MYMODEM").ok());
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(Commands_, MigrationOpensTheProfileAndNewWdnProfileOpensTheDialerWizard) {
    AddProfile({.name = "OLDSLIP", .protocol = "1", .lineKind = "*ASYNC"});
    EXPECT_EQ(Invoke("NPF", {"OLDSLIP"}, "MIGRATE"), S_OK);
    EXPECT_EQ(Invoke("NPF", {"OLDSLIP"}, "PROPERTIES"), E_FAIL) << "only MIGRATE is on the menu";
    EXPECT_EQ(Invoke("NPF", {}, "NEWWDNPROFILE"), S_OK);
    EXPECT_EQ(Refreshes(), 0);
    EXPECT_TRUE(driver.GetTranscript().StayedOpen("CPointToPointProfilePropertySheet"))
        << "migration opens the profile sheet";
    EXPECT_EQ(driver.GetTranscript().ResultOf("CPointToPointProfileWDNDialerWizard"), ui::IDCANCEL)
        << "the wizard opened and, with nothing to do, was cancelled";
    EXPECT_TRUE(MessageBoxes().empty()) << driver.GetTranscript().ToText();
}

TEST_F(Commands_, JobsOpenServerJobsInTheConsole) {
    AddProfile({.name = "SLIP1", .protocol = "1", .status = "14", .jobName = "QKTL_TOCSLIP_SSN@"});
    EXPECT_EQ(Invoke("NPF", {"SLIP1"}, "JOBS"), S_OK);
    const auto& navigation = m_session->Bridge().navigation;
    ASSERT_EQ(navigation.size(), 1u);
    EXPECT_EQ(navigation[0].filter, "QKTL_TOCSLIP_SSN@");
    EXPECT_EQ(navigation[0].path, std::string("Work Management\x01JMF\x02"
                                              "1\x0FServer Jobs\x01Server Jobs\x02"
                                              "0"));
    EXPECT_EQ(navigation[0].title, Text(16949));
}

TEST_F(Commands_, TasksOfTheModemsFolder) {
    session::Failure failure;
    auto tasks = m_session->Tasks("SYS1", "NMD", failure);
    ASSERT_TRUE(tasks.has_value()) << failure.text;
    std::vector<UINT> ids;
    for (const auto& task : *tasks)
        ids.push_back(task.id);
    EXPECT_EQ(ids, (std::vector<UINT>{28080, 28081, 28082, 28084, 28083}));
    EXPECT_EQ((*tasks)[0].title, Text(28080));
    EXPECT_EQ((*tasks)[0].iconId, 28078u);
    // A task's description is the framework's help text of its id.
    for (const auto& task : *tasks)
        EXPECT_EQ(task.description, HelpText(task.id)) << task.id;
    tasks = m_session->Tasks("SYS1", "NWF", failure);
    ASSERT_TRUE(tasks.has_value());
    EXPECT_EQ(tasks->size(), 6u);
    EXPECT_EQ(tasks->back().id, 28079u);
    EXPECT_EQ(tasks->back().description, HelpText(28079));

    // Tasks are only offered when the console asks for creation tasks.
    (void)Menu("NMD", {}, session::kMenuNewObjects);
    void* object = nullptr;
    ASSERT_EQ(m_session->ContextMenu()->QueryInterface(fw::IID_IR8TasksManagerW, &object), S_OK);
    auto* manager = static_cast<fw::IR8TasksManagerW*>(object);
    std::vector<fw::R8Task> offered{{1, "stale", "", 0}};
    EXPECT_EQ(manager->GetTasks(0, &offered), S_OK);
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(manager->GetTasks(fw::R8TASK_REQUEST_CREATE, &offered), S_OK);
    EXPECT_EQ(offered.size(), 5u);
    manager->Release();
}

TEST_F(Commands_, TasksWithoutAuthorityOpenNothing) {
    WithoutAuthority();
    session::Failure failure;
    EXPECT_EQ(m_session->RunTask("SYS1", "NPF", 28081, failure), S_OK);
    EXPECT_EQ(m_session->RunTask("SYS1", "NPF", 12345, failure), S_OK);
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].resourceId, 28177u);
}

}  // namespace
}  // namespace ptp::testing
