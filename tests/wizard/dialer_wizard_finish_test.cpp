// What Finish leaves when a step fails, what a second Finish or a second run makes of it, and
// the test dialog that follows a successful one.
#include <gtest/gtest.h>

#include "host/fault_injection.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/validation_list.h"
#include "server/ppp_jobs.h"
#include "tests/wizard/dialer_wizard_fixture.h"
#include "wizard/point_to_point_profile_wdn_dialer_test_dialog.h"

namespace ptp::wizard {
namespace {

namespace prf = attr::profile;

std::vector<std::string> ListRows(ui::CDialog& dialog) {
    ui::CListCtrl& list = dialog.ListCtrl(IDC_WDN_TEST_LIST);
    std::vector<std::string> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0));
    return rows;
}

// An account of its own for the secure IP service, dialling on the demo's PPPLIN01.
void PlayOwnAccountOnPPPLIN01(ui::ScriptDriver& driver, bool firstServerOnly,
                              const std::string& user) {
    auto& script = driver.When(kWizard)
                       .Next()
                       .Click(IDC_WDN_ACCESS_NEW_ACCOUNT)
                       .Next()
                       .SetText(IDC_WDN_PROFILE_NAME, "WDNOWN")
                       .SetText(IDC_WDN_USER_ID, user)
                       .Next()
                       .Click(IDC_WDN_NETWORK_SECUREIP)
                       .Next();
    if (firstServerOnly) script.Click(IDC_WDN_SERVER_FIRST);
    script
        .Next()  // to the name server page
        .Next()  // to the connection page
        .Next()  // one line: to the port page
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN01")
        .Next()  // the port's line, PPPLIN01
        .Next()  // the modem the port proposes
        .Next()
        .SetText(IDC_WDN_PHONE_PRIMARY, "5551000")
        .SetText(IDC_WDN_PHONE_BACKUP, "5552000")
        .Next()
        .Finish();
    driver.AnswerMessageBoxes({ui::IDNO});
}

std::vector<std::string> RouteTexts(const std::vector<server::ObjectRecord>& routes) {
    std::vector<std::string> texts;
    for (const auto& route : routes)
        texts.push_back(route.Get(attr::route::kDestination) + "/" +
                        route.Get(attr::route::kSubnetMask));
    std::sort(texts.begin(), texts.end());
    return texts;
}

TEST_F(DialerWizardTest, AFailedFinishSaysWhatIsDoneAndTheNextFinishUsesTheLineItMade) {
    RemoveUsableLines();
    m_driver.When(kWizard)
        .Next()
        .Next()  // standard access: no line to dial on, so the port page
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN09")
        .Next()
        .Next()  // the new line as proposed
        .Next()  // the modem the port proposes
        // The page takes 48 characters; the profile holds 32, which the server says.
        .SetText(IDC_WDN_PHONE_PRIMARY, std::string(40, '5'))
        .SetText(IDC_WDN_PHONE_BACKUP, "5559999")
        .Next()
        .Finish()
        .Do(ExpectPage(IDD_WDN_SUMMARY))
        .Back()
        .SetText(IDC_WDN_PHONE_PRIMARY, "5554000")
        .Next()
        .Finish();
    m_driver.AnswerMessageBoxes({ui::IDOK, ui::IDOK, ui::IDNO});
    EXPECT_EQ(Play(), ui::ID_WIZFINISH) << Transcript();

    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u) << Transcript();
    EXPECT_EQ(boxes[0].text.rfind("TCP8A20", 0), 0u) << boxes[0].text;
    EXPECT_EQ(boxes[1].resourceId, IDS_WDN_FINISH_INCOMPLETE);
    EXPECT_EQ(boxes[1].text,
              "The setup stopped before it was complete.\n\nDone: the line, the line's modem\n"
              "Not done: the profile, the routes\n\nCorrect the problem and click Finish again: "
              "what is done already is found and used.");
    EXPECT_EQ(boxes[2].resourceId, IDS_WDN_TEST_NOW);
    EXPECT_EQ(CountCommands("QSYS/CRTLINPPP"), 1u) << "the second Finish found the line";
    const auto profile = Object(kinds::kProfile, "WDNDIAL");
    EXPECT_EQ(profile.Get(prf::kLineName), "WDNCMN09");
    EXPECT_EQ(profile.Get(prf::kRemoteNumber1), "5554000");

    // A second run finds the line on the port and offers it; nothing is created again.
    ui::ScriptDriver again;
    again.When(kWizard)
        .Next()
        .Next()
        .Do(ExpectPage(IDD_WDN_CONNECTION))
        .Next()
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN09")
        .Next()
        .Do(ExpectPage(IDD_WDN_LINE))
        .Next()
        .Next()
        .SetText(IDC_WDN_PHONE_PRIMARY, "5554001")
        .SetText(IDC_WDN_PHONE_BACKUP, "5559999")
        .Next()
        .Finish();
    again.AnswerMessageBoxes({ui::IDNO});
    {
        ui::ScopedDriver scoped(again);
        EXPECT_EQ(RunWDNDialerWizard("SYS1", nullptr), ui::ID_WIZFINISH)
            << again.GetTranscript().ToText();
    }
    EXPECT_EQ(CountCommands("QSYS/CRTLINPPP"), 1u);
    EXPECT_EQ(Object(kinds::kProfile, "WDNDIAL").Get(prf::kRemoteNumber1), "5554001");
}

TEST_F(DialerWizardTest, ASecondRunKeepsOneAccountAndTheRoutesItStillWants) {
    PlayOwnAccountOnPPPLIN01(m_driver, false, "USER1");
    EXPECT_EQ(Play(), ui::ID_WIZFINISH) << Transcript();
    EXPECT_EQ(
        RouteTexts(RoutesOf("WDNOWN")),
        (std::vector<std::string>{"192.0.2.10/255.255.255.255", "192.0.2.11/255.255.255.255"}));

    ui::ScriptDriver again;
    PlayOwnAccountOnPPPLIN01(again, true, "USER2");
    {
        ui::ScopedDriver scoped(again);
        EXPECT_EQ(RunWDNDialerWizard("SYS1", nullptr), ui::ID_WIZFINISH)
            << again.GetTranscript().ToText();
    }
    EXPECT_EQ(RouteTexts(RoutesOf("WDNOWN")),
              std::vector<std::string>{"192.0.2.10/255.255.255.255"});
    const auto commands = Commands();
    EXPECT_NE(std::find(commands.begin(), commands.end(),
                        "RMVTCPRTE RTEDEST('192.0.2.11') SUBNETMASK('255.255.255.255') "
                        "NEXTHOP('*DYNAMIC') BINDIFC('PPPWDNOWN')"),
              commands.end())
        << ::testing::PrintToString(commands);
    const auto entries = List(kinds::kValidationListEntry, "QYSDPTP");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].at(attr::validation_list_entry::kData1), "USER2");
}

TEST_F(DialerWizardTest, TheTestDialogShowsEachPhaseOnTheStandInClockAndEndsTheProfile) {
    m_driver.When(kWizard)
        .Next()
        .Next()
        .Next()
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN01")
        .Next()
        .Next()
        .Next()
        .SetText(IDC_WDN_PHONE_PRIMARY, "5551000")
        .SetText(IDC_WDN_PHONE_BACKUP, "5552000")
        .Next()
        .Finish();
    m_driver.AnswerMessageBoxes({ui::IDYES});
    std::string caption;
    std::vector<std::string> rows;
    std::string activeStatus;
    auto& test = m_driver.When(kTestDialog).Do([&](ui::CDialog& dialog) {
        caption = dialog.GetWindowText();
    });
    test.Wait(1000);
    for (int second = 0; second < 8; ++second) {
        test.Do([this](ui::CDialog&) { ASSERT_TRUE(m_pSystem->Jobs().AdvanceClock(1).ok()); })
            .Wait(1000);
    }
    test.Do([this](ui::CDialog&) { ASSERT_TRUE(m_pSystem->Jobs().AdvanceClock(5).ok()); })
        .Wait(5000)  // once active, polling has stopped
        .Do([&](ui::CDialog& dialog) {
            rows = ListRows(dialog);
            activeStatus = Object(kinds::kProfile, "WDNDIAL").Get(prf::kStatus);
        })
        .Cancel();
    EXPECT_EQ(Play(), ui::ID_WIZFINISH) << Transcript();

    EXPECT_EQ(caption, "Testing Profile WDNDIAL");
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "The profile was started.", "Starting the connection job", "Dialing",
                        "LCP: starting", "LCP: configuration request sent", "LCP: opened",
                        "IPCP: starting", "IPCP: configuration request sent", "IPCP: opened",
                        "Connected: the profile is active."}));
    EXPECT_EQ(activeStatus, "14");
    const auto commands = Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[commands.size() - 2], "QSYS/STRTCPPTP CFGPRF('WDNDIAL')");
    EXPECT_EQ(commands.back(), "QSYS/ENDTCPPTP CFGPRF('WDNDIAL')");
    EXPECT_EQ(Object(kinds::kProfile, "WDNDIAL").Get(prf::kStatus), "1");
}

TEST_F(DialerWizardTest, AProfileThatCannotStartIsReportedAndLeftAlone) {
    // The demo system runs DIALISP already: starting it again is refused.
    ASSERT_NE(Object(kinds::kProfile, "DIALISP").Get(prf::kStatus), "1");
    std::vector<std::string> rows;
    m_driver.When(kTestDialog)
        .Wait(3000)
        .Do([&](ui::CDialog& dialog) {
            rows = ListRows(dialog);
            ui::CListCtrl& list = dialog.ListCtrl(IDC_WDN_TEST_LIST);
            ASSERT_EQ(list.GetItemCount(), 1);
            EXPECT_GE(list.GetColumnWidth(0), list.GetStringWidth(list.GetItemText(0, 0)));
        })
        .Cancel();
    {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileWDNDialerTestDialog dialog("SYS1", "dialisp");
        dialog.DoModal();
    }
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].rfind("TCP8A23", 0), 0u) << rows[0];
    EXPECT_EQ(CountCommands("QSYS/ENDTCPPTP"), 0u);
    EXPECT_NE(Object(kinds::kProfile, "DIALISP").Get(prf::kStatus), "1");
}

TEST_F(DialerWizardTest, ASystemThatCannotBeReadOpensNoWizard) {
    host::Fault fault;
    fault.operation = host::HostOperation::CreateList;
    fault.kind = std::string(kinds::kHardwareResource);
    InjectFaults().AddFault(fault);
    EXPECT_EQ(Play(), -1);
    EXPECT_FALSE(m_driver.GetTranscript().ResultOf(kWizard).has_value());
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("The operation failed on the server."), std::string::npos);
}

}  // namespace
}  // namespace ptp::wizard
