// What the server keeps and refuses for routes and validation-list entries, as a client meets it
// through its session: routes bound to an interface that cannot be a profile's, routes to no
// network, doubles, entries of a list the system lacks, identifier lengths that do not fit, and
// passwords that reach neither the audit trail nor a client while the system does not retain
// them.
#include <gtest/gtest.h>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "server/embedded/embedded_session.h"
#include "server/server_state.h"
#include "server/system.h"
#include "temp_state.h"

namespace ptp::server {
namespace {

namespace rt = attr::route;
namespace vl = attr::validation_list_entry;

class RoutesAndSecrets : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("SYS1").ok());
        auto system = m_state.OpenSystem("SYS1");
        ASSERT_TRUE(system.ok());
        m_system = std::move(*system);
        m_session = MakeEmbeddedSession(*m_system, {"NXWIN", "", "test", nullptr});
    }

    host::ServerReply Commit(std::string_view kind, std::string_view name,
                             const Attributes& staged) {
        std::string stored;
        return m_session->CommitObject(kind, name, staged, {}, stored);
    }

    host::ServerReply Route(const std::string& profile, const std::string& destination,
                            const std::string& mask, const std::string& nextHop = "*DYNAMIC") {
        return Commit(kinds::kRoute, "",
                      {{rt::kBindingProfile, profile},
                       {rt::kDestination, destination},
                       {rt::kSubnetMask, mask},
                       {rt::kNextHop, nextHop}});
    }

    Attributes Read(std::string_view kind, std::string_view name) {
        host::ListSnapshot snapshot;
        if (!m_session->ReadObject(kind, name, snapshot).ok() || snapshot.Size() == 0) return {};
        return snapshot.AttributesOf(0);
    }

    test::TempFolder m_folder;
    ServerState m_state{m_folder.Path()};
    std::unique_ptr<System> m_system;
    std::unique_ptr<host::IServerSession> m_session;
};

TEST_F(RoutesAndSecrets, RoutesNeedAProfilesInterfaceANetworkAndNoDouble) {
    EXPECT_TRUE(Route("DIALOUT", "10.1.2.0", "255.255.255.0").ok());
    EXPECT_TRUE(m_system->GetObject(kinds::kRoute, "DIALOUT/10.1.2.0/255.255.255.0/").ok())
        << "a dynamic next hop is named by its absence";
    EXPECT_EQ(Route("DIALOUT", "10.1.2.0", "255.255.255.0", "").messageId, "TCP2664")
        << "the same route however the dynamic next hop is spelled";
    EXPECT_TRUE(Route("DIALOUT", "10.1.2.0", "255.255.255.0", "10.0.0.9").ok())
        << "another next hop is another route";
    EXPECT_EQ(Route("DIALOUT", "10.1.2.3", "255.255.255.0").messageId, "TCP2668");
    EXPECT_EQ(Route("*ANY", "10.1.3.0", "255.255.255.0").messageId, "TCP2666");
    EXPECT_EQ(Route("NAMETOOLONG1", "10.1.3.0", "255.255.255.0").messageId, "TCP2666");
    EXPECT_EQ(Route("DIALOUT", "10.1.3.0", "255.255.256.0").messageId, "TCP8A20");
    EXPECT_TRUE(Route("ANSWER", "*DFTROUTE", "0.0.0.0", "10.2.0.5").ok());
    // A dial-on-demand profile's route names the answering profile it pairs with.
    const Attributes paired = {{rt::kBindingProfile, "DOD"},
                               {rt::kDestination, "10.2.0.9"},
                               {rt::kSubnetMask, "255.255.255.255"},
                               {rt::kDependentValue, "PERUSER"}};
    EXPECT_EQ(Commit(kinds::kRoute, "", paired).messageId, "TCP8A20");
    ASSERT_TRUE(m_system->PutObject(kinds::kProfile, "PERUSER", {{0, "PERUSER"}}).ok());
    EXPECT_TRUE(Commit(kinds::kRoute, "", paired).ok());
    EXPECT_EQ(m_session->RunCommand("RMVTCPRTE RTEDEST('10.1.2.0') SUBNETMASK('255.255.255.0') "
                                    "NEXTHOP('*DYNAMIC') BINDIFC(PPPDIALOUT)"),
              "");
    EXPECT_FALSE(m_system->GetObject(kinds::kRoute, "DIALOUT/10.1.2.0/255.255.255.0/").ok());
    EXPECT_TRUE(m_system->GetObject(kinds::kRoute, "DIALOUT/10.1.2.0/255.255.255.0/10.0.0.9").ok());
}

TEST_F(RoutesAndSecrets, EntriesBelongToAListAndKeepTheirPasswordsToThemselves) {
    const std::string identifier = "C02300004449414C4F5554";  // PAP tag and "DIALOUT"
    const Attributes entry = {{vl::kListName, "REMOTES"},
                              {vl::kIdentifier, identifier},
                              {vl::kIdentifierLength, "12"},
                              {vl::kData1, "ISPUSER"},
                              {vl::kData2, "pa55word"}};
    EXPECT_EQ(Commit(kinds::kValidationListEntry, "REMOTES/" + identifier, entry).messageId,
              "CPF226D")
        << "no list, no entry";
    ASSERT_TRUE(Commit(kinds::kValidationList, "REMOTES",
                       {{attr::validation_list::kName, "REMOTES"},
                        {attr::validation_list::kLibrary, "QUSRSYS"}})
                    .ok());
    Attributes wrongLength = entry;
    wrongLength[vl::kIdentifierLength] = "11";
    EXPECT_EQ(Commit(kinds::kValidationListEntry, "REMOTES/" + identifier, wrongLength).messageId,
              "TCP8A20")
        << "the length counts the tag, the name and a terminating zero";
    ASSERT_TRUE(Commit(kinds::kValidationListEntry, "REMOTES/" + identifier, entry).ok());

    std::vector<host::LoggedObjectChange> log;
    ASSERT_TRUE(m_session->ObjectLog(0, log).ok());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().attributes[vl::kData1], "ISPUSER");
    EXPECT_EQ(log.back().attributes[vl::kData2], "********") << "the trail never holds a password";

    EXPECT_EQ(Read(kinds::kValidationListEntry, "REMOTES/" + identifier)[vl::kData2], "")
        << "without QRETSVRSEC the password is not handed back";
    ASSERT_TRUE(
        Commit(kinds::kSystemValue, "QRETSVRSEC",
               {{attr::system_value::kName, "QRETSVRSEC"}, {attr::system_value::kValue, "1"}})
            .ok());
    EXPECT_EQ(Read(kinds::kValidationListEntry, "REMOTES/" + identifier)[vl::kData2], "pa55word");
    host::ListSnapshot entries;
    ASSERT_TRUE(m_session->ReadList(kinds::kValidationListEntry, "REMOTES", entries).ok());
    ASSERT_EQ(entries.Size(), 1u);
    EXPECT_EQ(entries.AttributesOf(0)[vl::kData2], "pa55word");
    EXPECT_EQ(
        Commit(kinds::kSystemValue, "QRETSVRSEC", {{attr::system_value::kValue, "2"}}).messageId,
        "TCP8A20");
}

}  // namespace
}  // namespace ptp::server
