#include <thread>

#include "host_fixture.h"
#include "platform/vocabulary/kinds.h"
#include "server/system.h"

namespace ptp::host {
namespace {

using test::TakeError;

class CommandsTest : public test::HostFixture {};

TEST_F(CommandsTest, CommandsRunOnTheSystemAndGoIntoTheLog) {
    m_host->SetCommandRunner([](server::System& system, std::string_view client,
                                std::string_view command) -> std::string {
        if (command == "FAIL") return "CPF0001: Error found on FAIL command.";
        (void)system.PutObject(kinds::kSystemValue, "LAST", {{1, std::string(client)}});
        return "";
    });
    int status = -1;
    auto connection = m_host->Commands().OpenConnection("sys1", 1, status);
    ASSERT_TRUE(connection);
    EXPECT_NE(status, 0);
    EXPECT_EQ(connection->RunCommand("QSYS/STRTCPPTP CFGPRF('A')"), "");
    EXPECT_EQ(connection->RunCommand("FAIL"), "CPF0001: Error found on FAIL command.");
    EXPECT_EQ(System().GetObject(kinds::kSystemValue, "LAST")->Get(1), "NXWIN");
    auto log = System().ReadCommandLog();
    ASSERT_EQ(log->size(), 2u);
    EXPECT_EQ((*log)[0].command, "QSYS/STRTCPPTP CFGPRF('A')");
    EXPECT_EQ((*log)[0].client, "NXWIN");
    EXPECT_EQ((*log)[1].reply, "CPF0001: Error found on FAIL command.");

    EXPECT_FALSE(m_host->Commands().OpenConnection("nosuch", 1, status));
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(m_host->Commands().OpenConnection("SYS1", 2, status));
    EXPECT_EQ(status, 0);
}

TEST_F(CommandsTest, FactsGiveReleaseAndAuthority) {
    char release[7] = "xxxxxx";
    ASSERT_TRUE(m_host->Facts().GetRelease("SYS1", release, sizeof release));
    EXPECT_STREQ(release, "050400");
    EXPECT_FALSE(m_host->Facts().GetRelease("NOSYS", release, sizeof release));
    SOFError* error = nullptr;
    EXPECT_TRUE(m_host->Facts().HasConfigurationAuthority("SYS1", &error));
    EXPECT_EQ(error, nullptr);
    EXPECT_FALSE(m_host->Facts().HasConfigurationAuthority("NOSYS", &error));
    EXPECT_EQ(TakeError(error), "CPF2105");

    ASSERT_TRUE(m_state.AddSystem("OLDSYS", "050100", false).ok());
    EXPECT_FALSE(m_host->Facts().HasConfigurationAuthority("oldsys", &error));
    EXPECT_EQ(error, nullptr);
    ASSERT_TRUE(m_host->Facts().GetRelease("OLDSYS", release, sizeof release));
    EXPECT_STREQ(release, "050100");
}

TEST_F(CommandsTest, TwoClientsChangeOneSystemAtOnceWithoutLosingChanges) {
    auto other = MakeHost("ptpctl");
    auto work = [](IHost& host, const std::string& prefix) {
        for (int i = 0; i < 40; ++i) {
            SOFError* error = nullptr;
            auto profile =
                host.Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "", &error);
            profile->SetAttribute(0, prefix + std::to_string(i));
            profile->SetAttribute(10, "made by " + prefix);
            profile->Commit(&error);
            ASSERT_EQ(TakeError(error), "");
        }
    };
    std::thread a([&] { work(*m_host, "CONSOLE"); });
    std::thread b([&] { work(*other, "CLI"); });
    a.join();
    b.join();
    SOFError* error = nullptr;
    auto list = other->Objects().CreateList(kinds::kProfile, kClientName, "SYS1", "", &error);
    list->Open(&error);
    EXPECT_EQ(list->GetCount(&error), 80);
}

}  // namespace
}  // namespace ptp::host
