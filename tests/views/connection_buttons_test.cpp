#include <gtest/gtest.h>

#include "frame/console_job_views.h"
#include "platform/vocabulary/kinds.h"
#include "server/ppp_jobs.h"
#include "server/system.h"
#include "tests/views/connection_view_fixture.h"

namespace ptp::frame {
namespace {

class ConnectionButtonsTest : public ConnectionViewTest {
  protected:
    void AddDialProfile(const std::string& name, const std::string& line, int links) {
        Put(kinds::kProfile, "",
            {{0, name},
             {1, "1"},
             {2, "2"},
             {3, "1"},
             {4, line},
             {5, "*ASYNC"},
             {6, "1"},
             {16, links > 1 ? "1" : "0"},
             {26, std::to_string(links)}});
    }
    void AddLine(const std::string& name) {
        Put(kinds::kLine, "", {{0, "*PPP"}, {1, name}, {32, "*SWTPP"}});
    }
    // Starts the profile's job as STRTCPPTP does.
    void Start(const std::string& profile, bool printLog) {
        server::System& system = *m_pHost->SystemFor("SYS1");
        server::JobStartOptions options;
        options.output = printLog ? "*PRINT" : "*ERROR";
        ASSERT_TRUE(system
                        .Transact([&](server::ObjectTx& tx) {
                            return system.Jobs().Start(tx, profile, options);
                        })
                        .ok());
    }
    bool Enabled(ui::CDialog& dialog, int id) {
        return dialog.GetDlgItem(id)->IsWindowEnabled() != 0;
    }
};

TEST_F(ConnectionButtonsTest, DetailsShowNegotiationStatesOfARunningMultilinkJob) {
    AddLine("PPPLIN01");
    AddDialProfile("PRF1", "PPPLIN01", 2);
    Start("PRF1", false);
    ASSERT_TRUE(m_pHost->SystemFor("SYS1")->Jobs().AdvanceClock(6).ok());

    std::map<int, std::string> details;
    bool spooledForLink = true, spooledForHead = false, buttonsWithoutSelection = true;
    m_driver.When("CPointToPointConnectionViewDetailsDialog").Do([&](ui::CDialog& dialog) {
        for (int id :
             {IDC_DETAILS_LCP_STATE, IDC_DETAILS_IPCP_STATE, IDC_DETAILS_BUNDLE_KIND,
              IDC_DETAILS_LINK_ID, IDC_DETAILS_BUNDLE_ID, IDC_DETAILS_PROFILE, IDC_DETAILS_JOB})
            details[id] = dialog.GetDlgItemText(id);
    });
    const auto rows = Rows([&](ui::DialogScript& script) {
        script
            .Do([&](ui::CDialog& dialog) {
                buttonsWithoutSelection =
                    Enabled(dialog, IDC_CONNECTION_DETAILS) || Enabled(dialog, IDC_CONNECTION_JOB);
            })
            .Choose(IDC_CONNECTION_LIST, 1)
            .Do([&](ui::CDialog& dialog) {
                spooledForLink = Enabled(dialog, IDC_CONNECTION_SPOOLED_OUTPUT);
            })
            .Choose(IDC_CONNECTION_LIST, 0)
            .Do([&](ui::CDialog& dialog) {
                spooledForHead = Enabled(dialog, IDC_CONNECTION_SPOOLED_OUTPUT);
            })
            .Click(IDC_CONNECTION_DETAILS);
    });
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "1. *NCP");
    EXPECT_EQ(rows[1][0], "1. *LCP");
    EXPECT_EQ(rows[0][9], "0A0B0C0D");
    EXPECT_FALSE(buttonsWithoutSelection);
    EXPECT_FALSE(spooledForLink);
    EXPECT_TRUE(spooledForHead);
    // Six seconds into the walk the link is past LCP and negotiating IPCP.
    EXPECT_EQ(details[IDC_DETAILS_LCP_STATE], "LCP " + Text(27761));
    EXPECT_EQ(details[IDC_DETAILS_IPCP_STATE], "IPCP " + Text(29255));
    EXPECT_EQ(details[IDC_DETAILS_BUNDLE_KIND], "*MULTILINK");
    EXPECT_EQ(details[IDC_DETAILS_LINK_ID], "0A0B0C0D");
    EXPECT_EQ(details[IDC_DETAILS_BUNDLE_ID], "0A0B0C0D");
    EXPECT_EQ(details[IDC_DETAILS_PROFILE], "PRF1");
    EXPECT_EQ(details[IDC_DETAILS_JOB], QualifiedJobName("QKTL_TOCPPP_SSN@PRF1", "QTCP", "100001"));
}

TEST_F(ConnectionButtonsTest, JobButtonOpensTheConsolesUserJobListForTheQualifiedJob) {
    AddLink({"A/0", 7, 7, "PRF1"});
    Rows([](ui::DialogScript& script) {
        script.Choose(IDC_CONNECTION_LIST, 0).Click(IDC_CONNECTION_JOB);
    });
    ASSERT_EQ(m_navigation.calls.size(), 1u);
    const auto& call = m_navigation.calls[0];
    EXPECT_EQ(call.what, "view");
    EXPECT_EQ(call.server, "SYS1");
    EXPECT_EQ(call.path, std::string("Basic Operations\x01"
                                     "BOF\x02"
                                     "3\x0F"
                                     "Jobs\x01"
                                     "User Jobs\x02"
                                     "0"));
    EXPECT_EQ(call.filter, "QKTL_TOCPPP_SSN@PRF1QTCP      100001");
    EXPECT_EQ(call.title, Text(IDS_USER_JOB_TITLE));
    EXPECT_EQ(QualifiedJobName("QZDASOINIT", "QUSER", "12345"), "QZDASOINITQUSER     12345 ");
}

TEST_F(ConnectionButtonsTest, ServerJobListIsFilteredByTheJobPrefix) {
    EXPECT_TRUE(OpenServerJobList("SYS1", kSlipJobPrefix, nullptr));
    ASSERT_EQ(m_navigation.calls.size(), 1u);
    EXPECT_EQ(m_navigation.calls[0].path, std::string("Work Management\x01"
                                                      "JMF\x02"
                                                      "1\x0F"
                                                      "Server Jobs\x01"
                                                      "Server Jobs\x02"
                                                      "0"));
    EXPECT_EQ(m_navigation.calls[0].filter, "QKTL_TOCSLIP_SSN@");
    EXPECT_EQ(m_navigation.calls[0].title, Text(IDS_SERVER_JOBS_TITLE));

    // A console without navigation says so rather than doing nothing.
    fw::SetConsoleNavigation(nullptr);
    ui::ScriptDriver driver;
    ui::ScopedDriver scoped(driver);
    EXPECT_FALSE(OpenServerJobList("SYS1", kPppJobPrefix, nullptr));
    ASSERT_EQ(driver.GetTranscript().MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.GetTranscript().MessageBoxes()[0].resourceId, IDS_NO_JOB_LIST);
}

TEST_F(ConnectionButtonsTest, SpooledOutputOpensTheJobLogOrSaysItCannot) {
    // A running job has no job log yet.
    AddLine("PPPLIN01");
    AddDialProfile("PRF1", "PPPLIN01", 1);
    Start("PRF1", true);
    Rows([](ui::DialogScript& script) {
        script.Choose(IDC_CONNECTION_LIST, 0).Click(IDC_CONNECTION_SPOOLED_OUTPUT);
    });
    auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].resourceId, IDS_SPOOLFILE_ERROR);
    EXPECT_EQ(boxes[0].text, "Error Opening Spoolfile");
    EXPECT_TRUE(m_navigation.calls.empty());

    // A job that failed for want of its line printed its log, which stays with the failed row.
    AddLine("GONELINE");
    AddDialProfile("PRF2", "GONELINE", 1);
    host::SOFError* error = nullptr;
    m_pHost->Objects()
        .CreateObject(kinds::kLine, "TEST", "SYS1", "GONELINE", &error)
        ->Delete(&error);
    ASSERT_EQ(error, nullptr);
    Start("PRF2", true);
    m_driver = ui::ScriptDriver();
    const auto rows = Rows([](ui::DialogScript& script) {
        script.Choose(IDC_CONNECTION_LIST, 1).Click(IDC_CONNECTION_SPOOLED_OUTPUT);
    });
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][2], Text(28150));
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty());
    ASSERT_EQ(m_navigation.calls.size(), 1u);
    EXPECT_EQ(m_navigation.calls[0].what, "spooled");
    EXPECT_EQ(m_navigation.calls[0].filter, "QPJOBLOG");
    EXPECT_EQ(m_navigation.calls[0].fileNumber, 1);
    EXPECT_EQ(m_navigation.calls[0].title, "QTCP");
    EXPECT_EQ(m_navigation.calls[0].path.substr(0, 20), "QKTL_TOCPPP_SSN@PRF2");

    // The console refusing to show it is the same failure for the user.
    m_navigation.result = E_FAIL;
    m_driver = ui::ScriptDriver();
    Rows([](ui::DialogScript& script) {
        script.Choose(IDC_CONNECTION_LIST, 1).Click(IDC_CONNECTION_SPOOLED_OUTPUT);
    });
    boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].resourceId, IDS_SPOOLFILE_ERROR);
}

}  // namespace
}  // namespace ptp::frame
