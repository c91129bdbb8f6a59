// What the server refuses among the settings a client commits into a profile, and the address
// rule the host library applies to what a user types.
#include <gtest/gtest.h>

#include <map>

#include "host/base_tcpip_address.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "tests/host/host_fixture.h"

namespace ptp::test {
namespace {

namespace prf = attr::profile;
using host::kClientName;

TEST(BaseTCPIPAddress, AcceptsFourNumbersFrom0To255Only) {
    for (const char* good : {"0.0.0.0", "10.1.1.1", "255.255.255.255", "010.001.1.1"})
        EXPECT_TRUE(host::CBaseTCPIPAddress(good).IsValid()) << good;
    for (const char* bad :
         {"", "10.1.1", "10.1.1.1.1", "10.1.1.256", "10..1.1", ".10.1.1", "10.1.1.", " 10.1.1.1",
          "10.1.1.1 ", "10.1.1.-1", "1000.1.1.1", "10.1.1.a", "0010.1.1.1"})
        EXPECT_FALSE(host::CBaseTCPIPAddress(bad).IsValid()) << bad;
    EXPECT_EQ(host::CBaseTCPIPAddress("192.168.7.250").Parts(),
              (std::array<int, 4>{192, 168, 7, 250}));
}

class ProfileSettingsTest : public HostFixture {
  protected:
    void SetUp() override {
        HostFixture::SetUp();
        ASSERT_TRUE(System()
                        .PutObject(kinds::kProfile, "DIALOUT",
                                   {{prf::kName, "DIALOUT"},
                                    {prf::kMode, "1"},
                                    {prf::kProtocol, "2"},
                                    {prf::kLineService, "1"},
                                    {prf::kStatus, "1"},
                                    {prf::kDnsChoice, "7"}})
                        .ok());
    }

    // Commits `values` into the profile; the refusal's message id, or "" when the server took it.
    std::string Commit(const std::map<int, std::string>& values) {
        host::SOFError* error = nullptr;
        auto profile =
            m_host->Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "DIALOUT", &error);
        for (const auto& [id, value] : values)
            profile->SetAttribute(id, value);
        profile->Commit(&error);
        return TakeError(error);
    }
};

TEST_F(ProfileSettingsTest, DnsSettingsMustFitTogether) {
    EXPECT_EQ(Commit({{prf::kDescription, "x"}}), "") << "an odd stored value is not judged";
    EXPECT_EQ(Commit({{prf::kDnsChoice, "3"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kDnsChoice, "1"}, {prf::kDnsServer, ""}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kDnsChoice, "1"}, {prf::kDnsServer, "10.1.1.300"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kDnsChoice, "1"}, {prf::kDnsServer, "10.1.1.53"}}), "");
    EXPECT_EQ(Commit({{prf::kDnsServer, "nameserver"}}), "TCP8A20")
        << "the address alone is judged against the stored choice";
    EXPECT_EQ(Commit({{prf::kDnsChoice, "2"}}), "");
    EXPECT_EQ(Commit({{prf::kProtocol, "1"}, {prf::kDnsChoice, "2"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kProtocol, "1"}, {prf::kDnsChoice, "0"}}), "");
}

TEST_F(ProfileSettingsTest, ARunningScriptNeedsAMemberThatExists) {
    const std::map<int, std::string> script = {{prf::kScriptOn, "1"},
                                               {prf::kScriptLibrary, "QUSRSYS"},
                                               {prf::kScriptFile, "QATOCPPSCR"},
                                               {prf::kScriptMember, "dial400"},
                                               {prf::kScriptCcsid, "819"}};
    EXPECT_EQ(Commit(script), "CPF9815");
    ASSERT_TRUE(System().PutObject(kinds::kFileMember, "QUSRSYS/QATOCPPSCR/DIAL400", {}).ok());
    EXPECT_EQ(Commit(script), "") << "member names compare in upper case";
    EXPECT_EQ(Commit({{prf::kScriptLibrary, "1LIB"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kScriptOn, "0"}, {prf::kScriptLibrary, ""}}), "")
        << "a script that does not run is not looked for";
    EXPECT_EQ(Commit({{prf::kScriptOn, "2"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kScriptCcsid, "0"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kScriptCcsid, "65536"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kScriptCcsid, "65535"}}), "");
    EXPECT_EQ(Commit({{prf::kSubsystem, "QSYS WRK"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kSubsystem, ""}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kSubsystem, "QBATCH"}}), "");
}

TEST_F(ProfileSettingsTest, AddressesMustFitTheirMethods) {
    auto both = [](const char* local, const char* remote) {
        return std::map<int, std::string>{{prf::kLocalAddressMethod, "1"},
                                          {prf::kLocalAddress, local},
                                          {prf::kRemoteAddressMethod, "1"},
                                          {prf::kRemoteAddress, remote}};
    };
    EXPECT_EQ(Commit(both("10.1.1.1", "10.1.1.2")), "");
    EXPECT_EQ(Commit(both("10.1.1.1", "10.1.1.1")), "TCP8A20");
    EXPECT_EQ(Commit(both("10.1.1", "10.1.1.2")), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kLocalAddressMethod, "2"}}), "TCP8A20")
        << "an assigned address leaves no address behind";
    EXPECT_EQ(Commit({{prf::kLocalAddressMethod, "2"}, {prf::kLocalAddress, ""}}), "");
    EXPECT_EQ(Commit({{prf::kLocalAddressMethod, "3"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kRemoteAddressMethod, "4"}}), "TCP8A20")
        << "a range is for answering profiles";
    EXPECT_EQ(Commit({{prf::kRoutingChoice, "3"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kHideAddresses, "2"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kMaxFrameSize, "575"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kMaxFrameSize, "1007"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kMaxFrameSize, "576"}}), "");
    EXPECT_EQ(Commit({{prf::kFilterRulesOn, "1"}, {prf::kFilterRulesName, ""}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kFilterRulesOn, "1"}, {prf::kFilterRulesName, std::string(33, 'F')}}),
              "TCP8A20");
    EXPECT_EQ(Commit({{prf::kFilterRulesOn, "1"}, {prf::kFilterRulesName, "ISPFILTER"}}), "");
}

TEST_F(ProfileSettingsTest, AnswerRangesStayInsideTheLastNumber) {
    EXPECT_EQ(Commit({{prf::kMode, "2"}}), "");
    auto range = [](const char* first, const char* count) {
        return std::map<int, std::string>{{prf::kRemoteAddressMethod, "4"},
                                          {prf::kRemoteAddress, first},
                                          {prf::kRemoteAddressCount, count}};
    };
    EXPECT_EQ(Commit(range("10.1.1.250", "10")), "TCP8A20");
    EXPECT_EQ(Commit(range("10.1.1.250", "6")), "");
    EXPECT_EQ(Commit(range("10.1.1.1", "0")), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kRemoteAddressMethod, "6"}, {prf::kRemoteAddress, ""}}), "");
    EXPECT_EQ(Commit({{prf::kRemoteAddressMethod, "7"}}), "TCP8A20");
}

TEST_F(ProfileSettingsTest, DialOnDemandPairsWithASwitchedAnsweringProfile) {
    ASSERT_TRUE(
        System()
            .PutObject(kinds::kProfile, "ANSWER",
                       {{prf::kName, "ANSWER"}, {prf::kMode, "2"}, {prf::kLineService, "1"}})
            .ok());
    EXPECT_EQ(Commit({{prf::kPairedAnswerProfile, "answer"}}), "");
    EXPECT_EQ(Commit({{prf::kPairedAnswerProfile, "NOSUCH"}}), "TCP8A20");
    EXPECT_EQ(Commit({{prf::kPairedAnswerProfile, "DIALOUT"}}), "TCP8A20") << "it dials";
}

TEST_F(ProfileSettingsTest, RouteDaemonRecordsNameTheirInterfaceAndAKnownRip) {
    auto record = [&](const char* name, const char* rip, const char* supply) {
        host::SOFError* error = nullptr;
        auto object = m_host->Objects().CreateObject(kinds::kRouteDaemonRecord, kClientName, "SYS1",
                                                     "DIALOUT", &error);
        object->SetAttribute(attr::route_daemon::kInterfaceName, name);
        object->SetAttribute(attr::route_daemon::kRipVersion, rip);
        object->SetAttribute(attr::route_daemon::kSupplyMode, supply);
        object->Commit(&error);
        return TakeError(error);
    };
    EXPECT_EQ(record("DIALOUT", "RIP2", "LIMITED"), "");
    EXPECT_EQ(record("DIALOUT", "", ""), "");
    EXPECT_EQ(record("OTHER", "RIP1", "FULL"), "TCP8A20");
    EXPECT_EQ(record("DIALOUT", "OFF", "FULL"), "TCP8A20");
    EXPECT_EQ(record("DIALOUT", "RIP1", "*LIMITED"), "TCP8A20");
    EXPECT_EQ(record("DIALOUT", "", "FULL"), "TCP8A20") << "a supply mode needs RIP";
}

}  // namespace
}  // namespace ptp::test
