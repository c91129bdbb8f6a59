// What the server refuses among the settings a client commits into a profile, and the address
// rule the host library applies to what a user types.
#include <gtest/gtest.h>

#include <map>

#include "host/base_tcpip_address.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
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

}  // namespace
}  // namespace ptp::test
