#include <gtest/gtest.h>

#include <thread>

#include "platform/vocabulary/kinds.h"
#include "server/server_state.h"
#include "server/system.h"
#include "temp_state.h"

namespace ptp::server {
namespace {

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("as400a").ok());
        auto system = m_state.OpenSystem("AS400A");
        ASSERT_TRUE(system.ok());
        m_system = std::move(*system);
    }

    test::TempFolder m_folder;
    ServerState m_state{m_folder.Path()};
    std::unique_ptr<System> m_system;
};

TEST_F(StoreTest, SystemsKeepNameReleaseAndAuthority) {
    EXPECT_EQ(m_system->Name(), "AS400A");
    EXPECT_EQ(m_system->Release(), "050400");
    EXPECT_FALSE(m_state.AddSystem("AS400A").ok());
    EXPECT_FALSE(m_state.AddSystem("bad name").ok());
    ASSERT_TRUE(m_state.AddSystem("old", "050100", false).ok());
    auto old = m_state.OpenSystem("old");
    ASSERT_TRUE(old.ok());
    EXPECT_EQ((*old)->Release(), "050100");
    EXPECT_FALSE((*old)->HasConfigurationAuthority((*old)->DefaultUser()));
    EXPECT_TRUE(m_system->HasConfigurationAuthority(m_system->DefaultUser()));
    EXPECT_FALSE(m_system->HasConfigurationAuthority("NOBODY"));
    EXPECT_FALSE((*old)->SetRelease("5.4").ok());
    ASSERT_TRUE((*old)->SetRelease("050300").ok());
    auto systems = m_state.ListSystems();
    ASSERT_EQ(systems.size(), 2u);
    EXPECT_EQ(systems[0].name, "AS400A");
    EXPECT_EQ(systems[1].name, "OLD");
    EXPECT_EQ(systems[1].release, "050300");
    EXPECT_FALSE(m_state.OpenSystem("missing").ok());
}

TEST_F(StoreTest, ObjectsRoundTripAndRefuseWhatTheStandInRefuses) {
    ASSERT_TRUE(
        m_system->PutObject(kinds::kProfile, "DIALUP", {{0, "DIALUP"}, {10, "It's mine"}}).ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kProfile, "DIALUP", {{3, "1"}}).ok());
    auto profile = m_system->GetObject(kinds::kProfile, "DIALUP");
    ASSERT_TRUE(profile.ok());
    EXPECT_EQ(profile->Get(10), "It's mine");
    EXPECT_EQ(profile->GetInt(3), 1);
    EXPECT_EQ(profile->attributes.size(), 3u);

    auto tooLong = m_system->PutObject(kinds::kProfile, "ELEVENCHARS", {{0, "ELEVENCHARS"}});
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().messageId, "TCP8A22");
    EXPECT_FALSE(m_system->GetObject(kinds::kProfile, "ELEVENCHARS").ok());

    auto missing = m_system->GetObject(kinds::kProfile, "NONE");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().messageId, "CPF2105");
    EXPECT_FALSE(m_system->DeleteObject(kinds::kProfile, "NONE").ok());
    ASSERT_TRUE(m_system->DeleteObject(kinds::kProfile, "DIALUP").ok());
    EXPECT_FALSE(m_system->GetObject(kinds::kProfile, "DIALUP").ok());
}

// A watcher of one attribute reads it alone for every object of the kind, in name order; an
// object without it is there with an empty text, and other kinds are not.
TEST_F(StoreTest, OneAttributeIsReadForEveryObjectOfAKind) {
    ASSERT_TRUE(
        m_system->PutObject(kinds::kProfile, "ZULU", {{0, "ZULU"}, {3, "1"}, {10, "Z"}}).ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kProfile, "ALPHA", {{0, "ALPHA"}, {10, "A"}}).ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kLine, "PPPLIN1", {{1, "PPPLIN1"}}).ok());
    const auto statuses = m_system->ListValues(kinds::kProfile, 3);
    ASSERT_TRUE(statuses.ok());
    using Named = std::pair<std::string, std::string>;
    EXPECT_EQ(*statuses, (std::vector<Named>{{"ALPHA", ""}, {"ZULU", "1"}}));
}

TEST_F(StoreTest, TransactionsCommitWholeOrNothing) {
    Status failed = m_system->Transact([](ObjectTx& tx) -> Status {
        if (auto s = tx.Create(kinds::kLine, "PPPLIN1", {{1, "PPPLIN1"}}); !s) return s;
        return tx.Create(kinds::kLine, "PPPLIN1", {{1, "again"}});
    });
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().messageId, "CPF2112");
    EXPECT_FALSE(m_system->GetObject(kinds::kLine, "PPPLIN1").ok());

    ASSERT_TRUE(
        m_system
            ->Transact([](ObjectTx& tx) -> Status {
                if (auto s = tx.Create(kinds::kLine, "B", {{1, "B"}, {32, "*SWTPP"}}); !s) return s;
                if (auto s = tx.Create(kinds::kLine, "A", {{1, "A"}, {32, "*NONSWTPP"}}); !s)
                    return s;
                return tx.Create(kinds::kLine, "C", {{1, "C"}, {32, "*SWTPP"}});
            })
            .ok());
    auto all = m_system->ListObjects(kinds::kLine);
    ASSERT_TRUE(all.ok());
    ASSERT_EQ(all->size(), 3u);
    EXPECT_EQ((*all)[0].name, "A");
    EXPECT_EQ((*all)[2].name, "C");
    ListFilter switched;
    switched.equals.emplace_back(32, "*SWTPP");
    auto some = m_system->ListObjects(kinds::kLine, switched);
    ASSERT_TRUE(some.ok());
    ASSERT_EQ(some->size(), 2u);
    EXPECT_EQ((*some)[0].name, "B");
    EXPECT_EQ((*some)[1].Get(32), "*SWTPP");
}

TEST_F(StoreTest, TwoHandlesWriteTheSameSystemWithoutLosingChanges) {
    auto second = m_state.OpenSystem("AS400A");
    ASSERT_TRUE(second.ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kSystemValue, "COUNTER", {{1, "0"}}).ok());
    auto bump = [](System& system) {
        for (int i = 0; i < 50; ++i) {
            Status s = system.Transact([](ObjectTx& tx) -> Status {
                auto value = tx.Get(kinds::kSystemValue, "COUNTER");
                if (!value) return value.status();
                return tx.Update(kinds::kSystemValue, "COUNTER",
                                 {{1, std::to_string(value->GetInt(1) + 1)}});
            });
            ASSERT_TRUE(s.ok()) << s.error().text;
        }
    };
    std::thread a([&] { bump(*m_system); });
    std::thread b([&] { bump(**second); });
    a.join();
    b.join();
    EXPECT_EQ(m_system->GetObject(kinds::kSystemValue, "COUNTER")->GetInt(1), 100);
}

TEST_F(StoreTest, CommandLogKeepsClientCommandAndReply) {
    ASSERT_TRUE(m_system->LogCommand("NXWIN", "QSYS/DLTLIND LIND(X)", "CPF2105: gone").ok());
    ASSERT_TRUE(m_system->LogCommand("ptpctl", "QSYS/STRTCPPTP CFGPRF('A')", "").ok());
    auto all = m_system->ReadCommandLog();
    ASSERT_TRUE(all.ok());
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[0].client, "NXWIN");
    EXPECT_EQ((*all)[0].reply, "CPF2105: gone");
    auto last = m_system->ReadCommandLog(1);
    ASSERT_EQ(last->size(), 1u);
    EXPECT_EQ((*last)[0].command, "QSYS/STRTCPPTP CFGPRF('A')");
    EXPECT_EQ((*last)[0].reply, "");
}

}  // namespace
}  // namespace ptp::server
