#include <gtest/gtest.h>

#include "cl_test_system.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "server/stream_files.h"

namespace ptp::server::cl {
namespace {
namespace job = attr::job;

class ClTcpipCommandsTest : public ClSystemTest {
  protected:
    std::vector<std::string> ActiveJobNames() {
        ListFilter filter;
        filter.equals.emplace_back(job::kStatus, "*ACTIVE");
        std::vector<std::string> names;
        auto jobs = m_system->ListObjects(kinds::kJob, filter);
        EXPECT_TRUE(jobs.ok());
        for (const ObjectRecord& record : *jobs) {
            names.push_back(record.Get(job::kName));
        }
        return names;
    }
};

TEST_F(ClTcpipCommandsTest, RemovesTheRouteOfAProfileByDestinationMaskHopAndInterface) {
    ASSERT_TRUE(m_system
                    ->PutObject(kinds::kRoute, "PRF1/10.1.2.0/255.255.255.0/",
                                {{14, "PRF1"}, {3, "10.1.2.0"}, {1, "255.255.255.0"}, {16, ""}})
                    .ok());
    ASSERT_TRUE(m_system
                    ->PutObject(kinds::kRoute, "PRF2/10.1.2.0/255.255.255.0/",
                                {{14, "PRF2"}, {3, "10.1.2.0"}, {1, "255.255.255.0"}, {16, ""}})
                    .ok());
    ASSERT_TRUE(
        m_system
            ->PutObject(kinds::kRoute, "PRF1/10.9.0.0/255.255.0.0/10.1.1.1",
                        {{14, "PRF1"}, {3, "10.9.0.0"}, {1, "255.255.0.0"}, {16, "10.1.1.1"}})
            .ok());

    EXPECT_EQ(RunId("RMVTCPRTE RTEDEST('10.1.2.0') SUBNETMASK('255.255.255.0') "
                    "NEXTHOP('*DYNAMIC') BINDIFC(PPPPRF9)"),
              "TCP2665");
    ASSERT_EQ(Run("RMVTCPRTE RTEDEST('10.1.2.0') SUBNETMASK('255.255.255.0') "
                  "NEXTHOP('*DYNAMIC') BINDIFC(PPPPRF2)"),
              "");
    EXPECT_FALSE(Exists(kinds::kRoute, "PRF2/10.1.2.0/255.255.255.0/"));
    EXPECT_TRUE(Exists(kinds::kRoute, "PRF1/10.1.2.0/255.255.255.0/"));

    EXPECT_EQ(RunId("RMVTCPRTE RTEDEST('10.9.0.0') SUBNETMASK('255.255.0.0') "
                    "NEXTHOP('*DYNAMIC') BINDIFC('PPPPRF1')"),
              "TCP2665");
    ASSERT_EQ(Run("RMVTCPRTE RTEDEST('10.9.0.0') SUBNETMASK('255.255.0.0') "
                  "NEXTHOP('10.1.1.1') BINDIFC('PPPPRF1')"),
              "");
    EXPECT_EQ(RunId("RMVTCPRTE RTEDEST('10.1.2.300') SUBNETMASK('255.255.255.0')"), "CPD0088");
    EXPECT_EQ(RunId("RMVTCPRTE RTEDEST('10.1.2.0')"), "CPD0087");
}

TEST_F(ClTcpipCommandsTest, KeepsHostTableEntriesOfUpToFourNames) {
    ASSERT_EQ(Run("QSYS/ADDTCPHTE INTNETADR('10.1.1.5') HOSTNAME(('WDNROUTER'))"), "");
    EXPECT_EQ(Get(kinds::kHostTableEntry, "10.1.1.5").Get(1), "WDNROUTER");
    EXPECT_EQ(RunId("QSYS/ADDTCPHTE INTNETADR('10.1.1.5') HOSTNAME(('OTHER'))"), "TCP1901");

    ASSERT_EQ(Run("QSYS/CHGTCPHTE INTNETADR('10.1.1.5') HOSTNAME(('WDNROUTER') "
                  "('mail.example.com') )"),
              "");
    ObjectRecord entry = Get(kinds::kHostTableEntry, "10.1.1.5");
    EXPECT_EQ(entry.Get(1), "WDNROUTER");
    EXPECT_EQ(entry.Get(2), "mail.example.com");
    EXPECT_EQ(entry.Get(3), "");

    EXPECT_EQ(RunId("CHGTCPHTE INTNETADR('10.1.1.5') HOSTNAME(('A') ('B') ('C') ('D') ('E'))"),
              "CPD0072");
    EXPECT_EQ(RunId("CHGTCPHTE INTNETADR('10.1.1.5') HOSTNAME(('bad name'))"), "TCP1903");
    EXPECT_EQ(RunId("CHGTCPHTE INTNETADR('10.1.1.6') HOSTNAME(('A'))"), "TCP1902");
    EXPECT_EQ(Get(kinds::kHostTableEntry, "10.1.1.5").Get(2), "mail.example.com");
}

TEST_F(ClTcpipCommandsTest, SetsTheMailRouterAndItsDialSchedule) {
    ASSERT_EQ(Run("QSYS/CHGSMTPA MAILROUTER('wdnrouter') FIREWALL(*YES) DIALSCD(*YES PRF1 30)"),
              "");
    ObjectRecord mail = Get(kinds::kMailAttributes, kinds::kSingletonName);
    EXPECT_EQ(mail.Get(0), "wdnrouter");
    EXPECT_EQ(mail.Get(2), "*YES");
    EXPECT_EQ(mail.Get(3), "PRF1");
    EXPECT_EQ(mail.Get(4), "30");
    ASSERT_EQ(Run("QSYS/CHGSMTPA MAILROUTER('wdnrouter') FIREWALL(*YES) DIALSCD(*NO)"), "");
    mail = Get(kinds::kMailAttributes, kinds::kSingletonName);
    EXPECT_EQ(mail.Get(2), "*NO");
    EXPECT_EQ(mail.Get(3), "");
    EXPECT_EQ(RunId("CHGSMTPA DIALSCD(*YES)"), "CPD2632");
    EXPECT_EQ(RunId("CHGSMTPA DIALSCD(*YES PRF1 0)"), "CPD0086");
}

TEST_F(ClTcpipCommandsTest, SwitchesAndStartsTheDhcpServer) {
    ASSERT_EQ(Run("CHGDHCPA MODE(*RELAY)"), "");
    auto file = m_system->Files().Read("\\QKTL\\UserData\\NOS50\\DHCP\\DHCP.ATTRIB");
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->text.substr(file->text.find('\n') + 1), "*RELAY\n");

    ASSERT_EQ(Run("STRTCPSVR SERVER(*DHCP)"), "");
    EXPECT_EQ(ActiveJobNames(), std::vector<std::string>{"QTODDHCPR"});
    ASSERT_EQ(Run("STRTCPSVR SERVER(*DHCP)"), "");
    EXPECT_EQ(ActiveJobNames().size(), 1u) << "a running server is not started twice";

    ASSERT_TRUE(m_system->Files()
                    .Write("/QKTL/UserData/NOS50/DHCP/DHCP.ATTRIB",
                           "DHCP attributes\n*RELAY 67 *YES\nlast\n", kCcsidText)
                    .ok());
    ASSERT_EQ(Run("CHGDHCPA MODE(*SERVER)"), "");
    file = m_system->Files().Read("/QKTL/USERDATA/NOS50/DHCP/DHCP.ATTRIB");
    EXPECT_EQ(file->text, "DHCP attributes\n*SERVER 67 *YES\nlast\n");

    ASSERT_EQ(Run("STRTCPSVR SERVER(*DHCP) RESTART(*DHCP)"), "");
    EXPECT_EQ(ActiveJobNames(), std::vector<std::string>{"QTODDHCPS"});

    // One refused server rolls back every server the command started before it.
    ASSERT_EQ(Run("CHGDHCPA MODE(*NONE)"), "");
    EXPECT_EQ(RunId("STRTCPSVR SERVER(*BOOTP *DHCP)"), "TCP1A15");
    EXPECT_EQ(ActiveJobNames(), std::vector<std::string>{"QTODDHCPS"});
    EXPECT_EQ(RunId("CHGDHCPA MODE(*OFF)"), "CPD0085");
}

}  // namespace
}  // namespace ptp::server::cl
