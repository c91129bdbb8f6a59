#include <gtest/gtest.h>

#include "cl_test_system.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/status.h"
#include "server/ppp_jobs.h"
#include "server/stream_files.h"

namespace ptp::server::cl {
namespace {
namespace prf = attr::profile;
namespace status = code::status;
namespace job = attr::job;

class ClProfileCommandsTest : public ClSystemTest {
  protected:
    void SetUp() override {
        ClSystemTest::SetUp();
        ASSERT_EQ(Run("CRTLINPPP LIND(PPPLIN1) RSRCNAME(CMN01)"), "");
    }
    std::string Status(std::string_view profile) {
        return Get(kinds::kProfile, profile).Get(prf::kStatus);
    }
    std::vector<ObjectRecord> ActiveJobs() {
        ListFilter filter;
        filter.equals.emplace_back(job::kStatus, "*ACTIVE");
        return *m_system->ListObjects(kinds::kJob, filter);
    }
};

TEST_F(ClProfileCommandsTest, StartsRestartsAndEndsProfileJobs) {
    ASSERT_EQ(Run("QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*PRINT)"), "");
    EXPECT_EQ(Status("PRF1"), std::to_string(status::kStarting));
    ASSERT_EQ(ActiveJobs().size(), 1u);
    EXPECT_EQ(ActiveJobs()[0].Get(job::kName), "QKTL_TOCPPP_SSN@PRF1");
    EXPECT_EQ(ActiveJobs()[0].Get(job::kOutput), "*PRINT");

    EXPECT_EQ(RunId("QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)"), "TCP8A23");
    EXPECT_EQ(Run("QSYS/STRTCPPTP CFGPRF('PRF1') RESTART(*YES)"), "");
    EXPECT_EQ(ActiveJobs().size(), 1u) << "a restart ends the old job first";

    ASSERT_EQ(Run("QSYS/ENDTCPPTP CFGPRF('PRF1')"), "");
    EXPECT_EQ(Status("PRF1"), std::to_string(status::kInactive));
    EXPECT_TRUE(ActiveJobs().empty());
    EXPECT_EQ(RunId("QSYS/ENDTCPPTP CFGPRF('PRF1')"), "TCP8A24");

    EXPECT_EQ(RunId("QSYS/STRTCPPTP CFGPRF('NOPRF')"), "TCP8A1E");
    EXPECT_EQ(RunId("QSYS/STRTCPPTP CFGPRF('PRF1') OUTPUT(*ALL)"), "CPD0085");
    EXPECT_EQ(RunId("QSYS/STRTCPPTP"), "CPD0087");
    EXPECT_TRUE(ActiveJobs().empty());
}

TEST_F(ClProfileCommandsTest, AProfileWhoseLineIsGoneFailsWithAStatusNotAReply) {
    ASSERT_EQ(Run("DLTLIND LIND(PPPLIN1)"), "");
    EXPECT_EQ(Run("STRTCPPTP CFGPRF('PRF1') OUTPUT(*ERROR)"), "");
    EXPECT_EQ(Status("PRF1"), std::to_string(status::kFailed));
}

// A virtual line is a record of its line file until its profile starts; a PPPoE line also needs
// the Ethernet line under it.
TEST_F(ClProfileCommandsTest, ProfilesOnVirtualLinesStartWhenTheirLineIsRecorded) {
    auto put = [this](const char* name, const char* lineType, const char* line) {
        ASSERT_TRUE(m_system
                        ->PutObject(kinds::kProfile, name,
                                    {{prf::kName, name},
                                     {prf::kMode, lineType[1] == 'L' ? "5" : "9"},
                                     {prf::kProtocol, "2"},
                                     {prf::kStatus, "1"},
                                     {prf::kLineName, line},
                                     {prf::kLineType, lineType},
                                     {prf::kLineService, "3"}})
                        .ok());
    };
    put("TUNNEL", "*L2TP", "TUNLINE");
    put("DSL", "*PPPOE", "DSLLINE");
    ASSERT_TRUE(m_system->Files()
                    .Write("/QKTL/USERDATA/NOS50/TCPIP/PPP/L2TPLINE.CFG",
                           "LINENAME=OTHER FRAMING=0 \nLINENAME=tunline FRAMING=0 \n", 819)
                    .ok());
    ASSERT_TRUE(m_system->Files()
                    .Write("/QKTL/UserData/NOS50/TCPIP/PPP/PPPoELine.cfg",
                           "PELINENAME=DSLLINE PHYSICALLINENAME=LAN1 PEMAXFRAMESIZE=1492 \n", 819)
                    .ok());

    EXPECT_EQ(Run("STRTCPPTP CFGPRF('TUNNEL')"), "");
    EXPECT_EQ(Status("TUNNEL"), std::to_string(status::kStarting));
    EXPECT_EQ(Run("STRTCPPTP CFGPRF('DSL')"), "");
    EXPECT_EQ(Status("DSL"), std::to_string(status::kFailed)) << "no Ethernet line LAN1 yet";

    ASSERT_EQ(Run("CRTLINETH LIND(LAN1) RSRCNAME(CMN02)"), "");
    EXPECT_EQ(Run("STRTCPPTP CFGPRF('DSL')"), "");
    EXPECT_EQ(Status("DSL"), std::to_string(status::kStarting));
    ASSERT_TRUE(m_system->Jobs().AdvanceClock(30).ok());
    EXPECT_EQ(Status("DSL"), std::to_string(status::kActive));
    EXPECT_EQ(Status("TUNNEL"), std::to_string(status::kActive));
}

TEST_F(ClProfileCommandsTest, RemovesStoppedProfilesWithTheirRoutesAndOptionallyTheirLine) {
    ASSERT_TRUE(m_system
                    ->PutObject(kinds::kRoute, "PRF1/10.1.2.0/255.255.255.0/",
                                {{14, "PRF1"}, {3, "10.1.2.0"}, {1, "255.255.255.0"}})
                    .ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kRouteDaemonRecord, "PRF1", {{0, "PRF1"}}).ok());
    ASSERT_TRUE(m_system
                    ->PutObject(kinds::kProfile, "PRF2",
                                {{0, "PRF2"}, {1, "2"}, {2, "2"}, {3, "1"}, {4, "PPPLIN1"}})
                    .ok());

    ASSERT_EQ(Run("STRTCPPTP CFGPRF('PRF1')"), "");
    EXPECT_EQ(RunId("QSYS/RMVTCPPTP CFGPRF('PRF1') DLTCMNCFG(*YES)"), "TCP8A25");
    EXPECT_TRUE(Exists(kinds::kProfile, "PRF1"));
    ASSERT_EQ(Run("ENDTCPPTP CFGPRF('PRF1')"), "");

    // PRF2 still uses the line, so it stays although PRF1 asks for its removal.
    ASSERT_EQ(Run("QSYS/RMVTCPPTP CFGPRF('PRF1') DLTCMNCFG(*YES)"), "");
    EXPECT_FALSE(Exists(kinds::kProfile, "PRF1"));
    EXPECT_FALSE(Exists(kinds::kRoute, "PRF1/10.1.2.0/255.255.255.0/"));
    EXPECT_FALSE(Exists(kinds::kRouteDaemonRecord, "PRF1"));
    EXPECT_TRUE(Exists(kinds::kLine, "PPPLIN1"));

    ASSERT_EQ(Run("QSYS/RMVTCPPTP CFGPRF('PRF2') DLTCMNCFG(*NO)"), "");
    EXPECT_TRUE(Exists(kinds::kLine, "PPPLIN1"));
    EXPECT_EQ(RunId("QSYS/RMVTCPPTP CFGPRF('PRF2') DLTCMNCFG(*NO)"), "TCP8A1E");

    ASSERT_TRUE(m_system->PutObject(kinds::kProfile, "PRF3", {{0, "PRF3"}, {4, "PPPLIN1"}}).ok());
    ASSERT_EQ(Run("QSYS/RMVTCPPTP CFGPRF('PRF3') DLTCMNCFG(*YES)"), "");
    EXPECT_FALSE(Exists(kinds::kLine, "PPPLIN1"));
}

}  // namespace
}  // namespace ptp::server::cl
