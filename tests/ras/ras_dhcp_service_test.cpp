#include <gtest/gtest.h>

#include "config/file_prompts.h"
#include "ras/dhcp_service_commands.h"
#include "ras/dhcp_service_queries.h"
#include "tests/ras/ras_test_fixture.h"

namespace ptp::testing {
namespace {

// The queries and command sequences other components use, against the server's own jobs and
// attribute file.
class DhcpService : public RasSheetTest {
  protected:
    struct RecordedPrompts final : config::IFilePrompts {
        void ShowMessage(std::uint32_t id, const std::vector<std::string>& args) override {
            shown.emplace_back(id, args.empty() ? "" : args[0]);
        }
        bool AskYesNo(std::uint32_t, const std::vector<std::string>&) override { return false; }
        std::vector<std::pair<std::uint32_t, std::string>> shown;
    };

    void SetUp() override {
        RasSheetTest::SetUp();
        config::SetFilePrompts(&prompts);
    }
    void TearDown() override {
        config::SetFilePrompts(nullptr);
        RasSheetTest::TearDown();
    }

    RecordedPrompts prompts;
};

TEST_F(DhcpService, TheModeComesFromTheSecondLineOfTheAttributeFile) {
    EXPECT_EQ(ras::IsDhcpServerMode("SYS1"), 0);
    ASSERT_EQ(prompts.shown.size(), 1u) << "a missing file is reported";
    EXPECT_EQ(prompts.shown[0].first, 32514u);
    EXPECT_EQ(prompts.shown[0].second, std::string(ras::kDhcpAttributesFile));

    PutFile(kDhcpAttributesPath, "DHCP attributes\n*server LEASE(86400)\n");
    EXPECT_EQ(ras::IsDhcpServerMode("SYS1"), 1) << "compared without regard to case";
    PutFile(kDhcpAttributesPath, "DHCP attributes\n*SERVERS\n");
    EXPECT_EQ(ras::IsDhcpServerMode("SYS1"), 0) << "the whole first word counts";
    PutFile(kDhcpAttributesPath, "*SERVER\n");
    EXPECT_EQ(ras::IsDhcpServerMode("SYS1"), 0) << "the first line is not the mode";

    ASSERT_TRUE(ras::StartDhcpRelay("SYS1"));
    EXPECT_EQ(ras::IsDhcpServerMode("SYS1"), 0);
    ASSERT_TRUE(ras::StartDhcpServer("SYS1"));
    EXPECT_EQ(ras::IsDhcpServerMode("SYS1"), 1);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(DhcpService, JobQueriesSeeOnlyActiveJobsOfTheTcpipUser) {
    EXPECT_FALSE(ras::IsDhcpServerJobActive("SYS1"));
    ASSERT_TRUE(ras::StartDhcpRelay("SYS1"));
    EXPECT_TRUE(ras::IsDhcpRelayJobActive("SYS1"));
    EXPECT_FALSE(ras::IsDhcpServerJobActive("SYS1"));
    EXPECT_FALSE(ras::IsBootpServerJobActive("SYS1"));

    ASSERT_TRUE(ras::StartDhcpServer("SYS1"));
    EXPECT_TRUE(ras::IsDhcpServerJobActive("SYS1"));
    EXPECT_FALSE(ras::IsDhcpRelayJobActive("SYS1")) << "switching the mode ends the relay agent";
    ASSERT_TRUE(ras::RestartDhcpServer("SYS1"));
    EXPECT_TRUE(ras::IsDhcpServerJobActive("SYS1"));
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"CHGDHCPA MODE(*RELAY)", "STRTCPSVR SERVER(*DHCP)",
                                        "CHGDHCPA MODE(*SERVER)", "STRTCPSVR SERVER(*DHCP)",
                                        "STRTCPSVR SERVER(*DHCP) RESTART(*DHCP)"}));

    // A job of the same name under another user is somebody else's.
    ASSERT_TRUE(System()
                    .PutObject(kinds::kJob, "200001/JSMITH/QTBOOTP",
                               {{attr::job::kName, "QTBOOTP"},
                                {attr::job::kUser, "JSMITH"},
                                {attr::job::kStatus, "*ACTIVE"}})
                    .ok());
    EXPECT_FALSE(ras::IsBootpServerJobActive("SYS1"));
    ASSERT_EQ(server::cl::ExecuteClCommand(System(), "TEST", "STRTCPSVR SERVER(*BOOTP)"), "");
    EXPECT_TRUE(ras::IsBootpServerJobActive("SYS1"));
}

}  // namespace
}  // namespace ptp::testing
