#include "host_fixture.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "server/system.h"

namespace ptp::host {
namespace {

using test::TakeError;

class ListsTest : public test::HostFixture {
  protected:
    void AddProfiles(int count) {
        ASSERT_TRUE(System()
                        .Transact([&](server::ObjectTx& tx) -> server::Status {
                            for (int i = 0; i < count; ++i) {
                                std::string name = "PRF" + std::to_string(i);
                                auto s = tx.Create(kinds::kProfile, name,
                                                   {{0, name}, {1, i % 2 ? "2" : "1"}});
                                if (!s) return s;
                            }
                            return server::Status::Ok();
                        })
                        .ok());
    }
};

TEST_F(ListsTest, AListOpensLoadsAndEndsInStateFifty) {
    AddProfiles(3);
    SOFError* error = nullptr;
    auto list = m_host->Objects().CreateList(kinds::kProfileList, kClientName, "SYS1", "", &error);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->GetState(&error), 0);
    EXPECT_EQ(list->GetCount(&error), 0);
    EXPECT_EQ(TakeError(error), "CPF9899");  // not open yet
    list->Open(&error);
    ASSERT_EQ(error, nullptr);
    EXPECT_EQ(list->GetState(&error), 1);
    int steps = 0;
    while (list->GetState(&error) != kListStateComplete &&
           list->GetState(&error) != kListStateCompleteWithErrors && steps < 10) {
        list->WaitStep(&error);
        ASSERT_EQ(error, nullptr);
        ++steps;
    }
    EXPECT_EQ(list->GetState(&error), kListStateComplete);
    EXPECT_EQ(steps, 2);
    ASSERT_EQ(list->GetCount(&error), 3);
    IServerObject* first = list->ElementAt(0, &error);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->GetAttributeText(0, &error), "PRF0");
    EXPECT_EQ(list->ElementAt(3, &error), nullptr);
    EXPECT_EQ(TakeError(error), "CPF9899");

    // An element is a server object: changes committed through it reach the server, and a
    // refresh shows what other clients did meanwhile.
    first->SetAttribute(10, "first profile");
    first->Commit(&error);
    ASSERT_EQ(error, nullptr);
    EXPECT_EQ(System().GetObject(kinds::kProfile, "PRF0")->Get(10), "first profile");
    AddProfiles(0);
    ASSERT_TRUE(System().PutObject(kinds::kProfile, "ANOTHER", {{0, "ANOTHER"}}).ok());
    EXPECT_EQ(list->GetCount(&error), 3);
    list->Refresh(0, &error);
    EXPECT_EQ(list->GetCount(&error), 4);
    EXPECT_EQ(list->ElementAt(0, &error)->GetName(), "ANOTHER");
    list->Close(&error);
    EXPECT_EQ(list->GetState(&error), 0);
}

TEST_F(ListsTest, FiltersAndViewsNarrowLists) {
    ASSERT_TRUE(
        System()
            .Transact([](server::ObjectTx& tx) -> server::Status {
                namespace line = attr::line;
                for (auto [name, type, pool] : {std::tuple{"PPPLIN1", "*PPP", "POOLA"},
                                                {"PPPLIN2", "*PPP", "POOLA"},
                                                {"PPPLIN3", "*PPP", ""},
                                                {"ETHLINE", "*ETH", ""}}) {
                    auto s = tx.Create(
                        kinds::kLine, name,
                        {{line::kType, type}, {line::kName, name}, {line::kPoolName, pool}});
                    if (!s) return s;
                }
                if (auto s = tx.Create(kinds::kLineModem, "PPPLIN3",
                                       {{0, "PPPLIN3"}, {1, "SYSMODEM 400"}});
                    !s)
                    return s;
                return tx.Create(kinds::kRoute, "DIAL/10.1.0.0/255.255.0.0/",
                                 {{14, "DIAL"}, {3, "10.1.0.0"}, {1, "255.255.0.0"}});
            })
            .ok());
    auto count = [&](std::string_view kind, std::string_view filter) {
        SOFError* error = nullptr;
        auto list = m_host->Objects().CreateList(kind, kClientName, "SYS1", filter, &error);
        list->Open(&error);
        long n = list->GetCount(&error);
        EXPECT_EQ(error, nullptr);
        return n;
    };
    EXPECT_EQ(count(kinds::kPPPLineList, "*PPP"), 3);
    EXPECT_EQ(count(kinds::kLine, ""), 4);
    EXPECT_EQ(count(kinds::kLinePoolMemberList, ""), 3);
    EXPECT_EQ(count(kinds::kLinePoolMemberList, "poola"), 2);
    EXPECT_EQ(count(kinds::kRoute, "dial"), 1);
    EXPECT_EQ(count(kinds::kRoute, "OTHER"), 0);

    SOFError* error = nullptr;
    auto members =
        m_host->Objects().CreateList(kinds::kLinePoolMemberList, kClientName, "SYS1", "", &error);
    members->Open(&error);
    IServerObject* third = members->ElementAt(2, &error);
    EXPECT_EQ(third->GetAttributeText(0, &error), "SYSMODEM 400");
    EXPECT_EQ(third->GetAttributeText(1, &error), "PPPLIN3");
    EXPECT_EQ(members->ElementAt(0, &error)->GetAttributeText(0, &error), "NONE");
    EXPECT_EQ(members->ElementAt(0, &error)->GetAttributeText(2, &error), "POOLA");
}

}  // namespace
}  // namespace ptp::host
