// ptpctl's rules and config commands against a server stand-in: what they print, what they
// report, and their exit statuses.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/ptpctl_file_commands.h"
#include "server/stream_files.h"
#include "tests/config/host_fixture.h"

namespace ptp::cli {
namespace {

class FileCommandsTest : public testing::HostFixture {
  protected:
    std::ostringstream m_out;
    std::ostringstream m_err;
    FileCommands m_commands{nullptr, m_out, m_err};
};

TEST_F(FileCommandsTest, RulesShowPrintsTheSavedFormAndReportsDroppedStatements) {
    PutFile("/QKTL/R.I3P",
            "HIDE A BEHIND B:80 JRN = OFF\n### keep\nfilter SET X\nMAP M TO PPP_FILTER_ID = pf\n"
            "FILTER_INTERFACE PPP_FILTER_ID = PF SET = S\n",
            server::kCcsidUtf16);
    EXPECT_EQ(m_commands.RulesShow(testing::kTestSystem, "/QKTL/R.I3P"), kFileCommandDropped);
    EXPECT_EQ(m_out.str(),
              "HIDE A    BEHIND B:80    TIMEOUT = 16    MAXCON = 64    JRN = OFF   \n"
              "### keep\n"
              "MAP M    TO     PPP_FILTER_ID = pf    JRN = OFF    \n"
              "FILTER_INTERFACE    PPP_FILTER_ID = PF    SET = S   \n"
              "\n");
    // The dropped statement is named with its line.
    EXPECT_NE(m_err.str().find("[33007]"), std::string::npos);
    EXPECT_EQ(m_err.str().find("[33007]"), m_err.str().rfind("[33007]"));

    m_out.str("");
    EXPECT_EQ(m_commands.RulesIds(testing::kTestSystem, "/QKTL/R.I3P"), kFileCommandOk);
    EXPECT_EQ(m_out.str(), "B:80\nPF\n");

    EXPECT_EQ(m_commands.RulesShow(testing::kTestSystem, "/QKTL/MISSING.I3P"),
              kFileCommandUnreadable);
}

TEST_F(FileCommandsTest, ConfigShowPrintsRecordsInWriterForm) {
    PutFile("/QKTL/UserData/NOS50/TCPIP/RAS/dhcpwanclient.cfg",
            "SERVERTYPE=*RELAY   ADDRESS=10.0.0.1\nnonsense\n");
    EXPECT_EQ(m_commands.ConfigShow(testing::kTestSystem, "dhcpwanclient"), kFileCommandOk);
    EXPECT_EQ(m_out.str(), "ADDRESS=10.0.0.1 SERVERTYPE=*RELAY \n");
    EXPECT_EQ(m_commands.ConfigShow(testing::kTestSystem, "grouppolicy"), kFileCommandUnreadable);
    EXPECT_NE(m_err.str().find("[33009]"), std::string::npos);
}

}  // namespace
}  // namespace ptp::cli
