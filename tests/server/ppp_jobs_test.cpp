#include <gtest/gtest.h>

#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "server/ppp_jobs.h"
#include "server/server_state.h"
#include "server/system.h"
#include "temp_state.h"

namespace ptp::server {
namespace {
namespace prf = attr::profile;
namespace con = attr::connection;

class PppJobsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("SYS1").ok());
        m_system = std::move(*m_state.OpenSystem("SYS1"));
        ASSERT_TRUE(m_system->PutObject(kinds::kLine, "PPPLIN", {{1, "PPPLIN"}}).ok());
    }
    Status Start(std::string_view profile, bool restart = false) {
        return m_system->Transact([&](ObjectTx& tx) {
            return m_system->Jobs().Start(tx, profile, JobStartOptions{restart, "*PRINT", "t"});
        });
    }
    Status End(std::string_view profile) {
        return m_system->Transact([&](ObjectTx& tx) { return m_system->Jobs().End(tx, profile); });
    }
    std::string Status3(std::string_view profile) {
        return m_system->GetObject(kinds::kProfile, profile)->Get(prf::kStatus);
    }
    std::vector<ObjectRecord> Connections() {
        return *m_system->ListObjects(kinds::kConnectionJob);
    }

    test::TempFolder m_folder;
    ServerState m_state{m_folder.Path()};
    std::unique_ptr<System> m_system;
};

TEST_F(PppJobsTest, ADialProfileWalksToActiveAndEnds) {
    ASSERT_TRUE(
        m_system
            ->PutObject(kinds::kProfile, "DIAL",
                        {{0, "DIAL"}, {1, "1"}, {2, "2"}, {3, "1"}, {4, "PPPLIN"}, {5, "*ASYNC"}})
            .ok());
    ASSERT_TRUE(Start("DIAL").ok());
    EXPECT_EQ(Status3("DIAL"), "11");
    auto again = Start("DIAL");
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.error().messageId, "TCP8A23");
    ASSERT_EQ(Connections().size(), 1u);
    EXPECT_EQ(Connections()[0].Get(con::kJobName), "QKTL_TOCPPP_SSN@DIAL");
    ASSERT_TRUE(m_system->Jobs().AdvanceClock(2).ok());
    EXPECT_EQ(Status3("DIAL"), "31");
    EXPECT_EQ(Connections()[0].Get(con::kStatus), "31");
    ASSERT_TRUE(m_system->Jobs().AdvanceClock(60).ok());
    EXPECT_EQ(Status3("DIAL"), "14");
    EXPECT_EQ(m_system->GetObject(kinds::kProfile, "DIAL")->Get(prf::kJobName),
              "QKTL_TOCPPP_SSN@DIAL");
    EXPECT_EQ(*m_system->Jobs().Clock(), 62);
    ASSERT_TRUE(Start("DIAL", true).ok());
    EXPECT_EQ(Status3("DIAL"), "11");
    ASSERT_TRUE(End("DIAL").ok());
    EXPECT_EQ(Status3("DIAL"), "1");
    EXPECT_TRUE(Connections().empty());
    EXPECT_FALSE(End("DIAL").ok());
    EXPECT_EQ(m_system->ListObjects(kinds::kSpooledFile)->size(), 2u);
}

TEST_F(PppJobsTest, MultilinkShowsABundleHeadAndItsLinks) {
    ASSERT_TRUE(
        m_system
            ->PutObject(kinds::kProfile, "BUNDLE",
                        {{0, "BUNDLE"}, {1, "1"}, {2, "2"}, {4, "PPPLIN"}, {16, "1"}, {26, "3"}})
            .ok());
    ASSERT_TRUE(Start("BUNDLE").ok());
    auto links = Connections();
    ASSERT_EQ(links.size(), 3u);
    std::string head = links[0].Get(con::kLinkId);
    ASSERT_EQ(head.size(), 8u);
    EXPECT_EQ(head.substr(4), std::string("\x0A\x0B\x0C\x0D", 4));
    for (const auto& link : links) {
        EXPECT_EQ(link.Get(con::kBundleId), head);
        EXPECT_EQ(link.Get(con::kBundleKind), "*MULTILINK");
    }
    EXPECT_NE(links[1].Get(con::kLinkId), head);
}

TEST_F(PppJobsTest, AMissingLineFailsWithStatusAndReason) {
    ASSERT_TRUE(
        m_system
            ->PutObject(kinds::kProfile, "NOLINE", {{0, "NOLINE"}, {1, "1"}, {2, "1"}, {4, "GONE"}})
            .ok());
    ASSERT_TRUE(Start("NOLINE").ok());
    EXPECT_EQ(Status3("NOLINE"), "3");
    auto links = Connections();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].Get(con::kReason), "300");
    EXPECT_EQ(links[0].Get(con::kJobName), "QKTL_TOCSLIP_SSN@NOLINE");
    auto unknown = Start("NOSUCH");
    ASSERT_FALSE(unknown.ok());
    EXPECT_EQ(unknown.error().messageId, "TCP8A1E");
}

}  // namespace
}  // namespace ptp::server
