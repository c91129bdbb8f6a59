// Records of the keyed configuration files as people and older tools write them: odd spacing,
// missing keys, unknown tokens, descriptions with blanks.
#include <gtest/gtest.h>

#include "config/group_policy_config.h"
#include "config/l2tp_line_config.h"
#include "config/line_cnnlst_config.h"
#include "config/pppoe_line_config.h"
#include "config/ras_config.h"
#include "config/ras_dhcp_config.h"
#include "config/server_path.h"

namespace ptp::config {
namespace {

using GroupPolicyFile = CPointToPointProfileGroupPolicyConfigFile;

TEST(ConfigRecord, GroupPolicyDescriptionTakesTheRestAndIsWrittenLast) {
    auto record = GroupPolicyFile::CreateRecord("GROUPPOLICY=A DESCRIPTION=two   words");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->GetGroupPolicy(), "A");
    EXPECT_EQ(record->GetDescription(), "two words");
    EXPECT_EQ(record->GetMultilinkMaxLinks(), "2");
    EXPECT_EQ(record->GetMultilinkEnable(), 0);
    EXPECT_EQ(record->GetTCPUseFilter(), 0);
    EXPECT_EQ(record->ToLine(),
              "GROUPPOLICY=A MULTILINKENABLE=0 MULTILINKMAXLINKS=2 MULTILINKBACP=0 "
              "TCPIPFORWARDING=0 TCPVJ=0 TCPUSEFILTER=0 TCPFILTERNAME= DESCRIPTION=two words ");
}

TEST(ConfigRecord, KeysAreFoundAnywhereInATokenAndCaseMatters) {
    // A description word holding a key text is read as that key.
    auto record = GroupPolicyFile::CreateRecord("GROUPPOLICY=P DESCRIPTION=fast xTCPVJ=1 link");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->GetTCPVJ(), 1);
    EXPECT_EQ(record->GetDescription(), "fast link");

    // Lower-case key text names no key: before the description the line is rejected whole,
    // after it the token is description text.
    EXPECT_EQ(GroupPolicyFile::CreateRecord("GROUPPOLICY=P tcpvj=1"), nullptr);
    EXPECT_EQ(GroupPolicyFile::CreateRecord("GROUPPOLICY=P BOGUS=1 DESCRIPTION=x"), nullptr);
    auto after = GroupPolicyFile::CreateRecord("GROUPPOLICY=P DESCRIPTION=x BOGUS=1 tcpvj=1");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->GetDescription(), "x BOGUS=1 tcpvj=1");
    EXPECT_EQ(after->GetTCPVJ(), 0);
}

TEST(ConfigRecord, TokensSplitOnlyAtBlanksAndValuesAfterTheFirstEqualSign) {
    auto record = GroupPolicyFile::CreateRecord(
        "\t  GROUPPOLICY=a=b   TCPFILTERNAME=F1\tMULTILINKENABLE=1   ");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->GetGroupPolicy(), "a=b");
    // The tab is not a separator, so the whole token contains two key texts; the key that comes
    // first in writer order takes it, with everything after the first equal sign.
    EXPECT_EQ(record->GetTCPFilterName(), "");
    EXPECT_EQ(record->GetMultilinkEnable(), 0);
    EXPECT_NE(record->ToLine().find("MULTILINKENABLE=F1\tMULTILINKENABLE=1 "), std::string::npos);
}

TEST(ConfigRecord, IntegerFieldsConvertLikeTheCLibrary) {
    auto record = GroupPolicyFile::CreateRecord(
        "GROUPPOLICY=P MULTILINKENABLE=12abc TCPVJ=yes MULTILINKBACP=-3 TCPIPFORWARDING="
        "99999999999");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->GetMultilinkEnable(), 12);
    EXPECT_EQ(record->GetTCPVJ(), 0);
    EXPECT_EQ(record->GetMultilinkBACP(), -3);
    EXPECT_EQ(record->GetTCPIPForwarding(), 2147483647);
    EXPECT_FALSE(record->IsModified());
    record->SetTCPVJ(-7);
    EXPECT_TRUE(record->IsModified());
    EXPECT_NE(record->ToLine().find(" TCPVJ=-7 "), std::string::npos);
}

TEST(ConfigRecord, NewAndAbsentDefaultsDiffer) {
    using L2TP = CPointToPointProfileL2TPLineConfigFile;
    auto read = L2TP::CreateRecord("LINENAME=L2TPL1");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetFraming(), "2");
    EXPECT_EQ(read->GetBandwidth(), "57600");
    EXPECT_EQ(read->GetMaxFrameSize(), "2048");
    EXPECT_EQ(read->GetActiveTunnelKeepAlive(), "0");
    EXPECT_EQ(read->GetRecoveryCountLimit(), "2");
    EXPECT_EQ(read->GetRecoveryTime(), "5");
    auto fresh = L2TP::CreateRecord("");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetFraming(), "0");
    EXPECT_EQ(fresh->GetBandwidth(), "115200");
    EXPECT_EQ(fresh->GetMaxFrameSize(), "1500");
    EXPECT_EQ(fresh->GetActiveTunnelKeepAlive(), "1");
    EXPECT_EQ(fresh->GetRecoveryCountLimit(), "6");
    EXPECT_EQ(fresh->GetRecoveryTime(), "32");

    using PPPoE = CPointToPointProfilePPPoELineConfigFile;
    EXPECT_EQ(PPPoE::CreateRecord("PELINENAME=P1")->GetKeepActiveSesAlv(), "1");
    EXPECT_EQ(PPPoE::CreateRecord("")->GetKeepActiveSesAlv(), "0");
}

TEST(ConfigRecord, EveryTypeWritesAllKeysInWriterOrder) {
    EXPECT_EQ(CPointToPointProfileL2TPLineData().ToLine(),
              "LINENAME= FRAMING=0 BANDWIDTH=115200 MAXFRAMESIZE=1500 ACTIVEPACKETNBR=0 "
              "ACTIVEPACKETSIZE=0 ACTIVETUNNELKEEPALV=1 AUTHRMTPEERPERIODIC=0 "
              "AUTHRMTPEERINTERVAL=0 MAXAUTHATTEMPTS=5 LCPCFGRTYTIMER=3 LCPMAXCFGFAILURES=5 "
              "LCPMAXCFGREQUESTS=10 LCPMAXTERMREQUESTS=2 RECOVERYCOUNTLIMIT=6 RECOVERYTIME=32 "
              "REQRMTSYSID=0 VLDLNAME= LINEDESCRIPTION= ");
    EXPECT_EQ(CPointToPointProfilePPPoELineData().ToLine(),
              "PELINENAME= PHYSICALLINENAME= PEMAXFRAMESIZE=1492 KEEPACTIVESESALV=0 "
              "PEAUTHRMTPEERPERIODIC=0 PEAUTHRMTPEERINTERVAL=0 PEMAXAUTHATTEMPTS=5 "
              "PELCPCFGRTYTIMER=3 PELCPMAXCFGFAILURES=5 PELCPMAXCFGREQUESTS=10 "
              "PELCPMAXTERMREQUESTS=2 PERECOVERYCOUNTLIMIT=6 PERECOVERYTIME=32 "
              "PELINEDESCRIPTION= ");
    EXPECT_EQ(CPointToPointProfileLineCnnlstData().ToLine(),
              "CNNLSTNAME= NETWORKTYPE= UNRESTRICTEDIN=0 V110IN=0 DOVIN=0 ASYNCIN=0 SYNCIN=0 "
              "INFOXFERTYPEOUT= CNNLSTDESCRIPTION= ");
    EXPECT_EQ(CPointToPointRASConfigData().ToLine(),
              "RADIUS_ENABLED=0 RADIUS_ACCT_SERVER_ENABLED=0 RADIUS_AUTH_SERVER_ENABLED=0 "
              "RADIUS_ADDRESS_CONFIG_ENABLED=0 DHCP_WAN_CLIENT_ENABLED=0 "
              "DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS= ");
    EXPECT_EQ(CPointToPointRASDHCPConfigData().ToLine(), "ADDRESS= SERVERTYPE= ");
}

TEST(ConfigRecord, LinesOfEveryTypeReadBackAsWritten) {
    CPointToPointProfileLineCnnlstData list;
    list.SetCnnLstName("CL1");
    list.SetNetworkType("*ETSI");
    list.SetV110In(1);
    list.SetInfoXferTypeOut("*DOV");
    list.SetCnnLstDescription("branch office  calls");
    auto back = CPointToPointProfileLineCnnlstConfigFile::CreateRecord(list.ToLine());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetCnnLstName(), "CL1");
    EXPECT_EQ(back->GetV110In(), 1);
    EXPECT_EQ(back->GetInfoXferTypeOut(), "*DOV");
    // Blanks inside a description collapse to one on the way back.
    EXPECT_EQ(back->GetCnnLstDescription(), "branch office calls");

    CPointToPointRASDHCPConfigData dhcp;
    dhcp.SetAddress("10.1.2.3");
    dhcp.SetServerType("*RELAY");
    auto dhcpBack = CPointToPointRASDHCPConfigFile::CreateRecord(dhcp.ToLine());
    ASSERT_NE(dhcpBack, nullptr);
    EXPECT_EQ(dhcpBack->ToLine(), "ADDRESS=10.1.2.3 SERVERTYPE=*RELAY ");
}

TEST(ConfigRecord, KeysInAnyOrderAndKeysEndingInAnotherKeyFindTheirOwnField) {
    // "ASYNCIN=" ends with "SYNCIN=": each token still goes to the key it spells, whether the line
    // keeps the writer's order or not.
    using List = CPointToPointProfileLineCnnlstConfigFile;
    for (const char* line : {"CNNLSTNAME=A ASYNCIN=1 SYNCIN=0 CNNLSTDESCRIPTION=d",
                             "SYNCIN=0 ASYNCIN=1 CNNLSTNAME=A CNNLSTDESCRIPTION=d",
                             "CNNLSTDESCRIPTION=d SYNCIN=0 ASYNCIN=1 CNNLSTNAME=A"}) {
        auto record = List::CreateRecord(line);
        ASSERT_NE(record, nullptr) << line;
        EXPECT_EQ(record->GetAsyncIn(), 1) << line;
        EXPECT_EQ(record->GetSyncIn(), 0) << line;
        EXPECT_EQ(record->GetCnnLstName(), "A") << line;
        EXPECT_EQ(record->GetCnnLstDescription(), "d") << line;
    }
    auto reversed = GroupPolicyFile::CreateRecord(
        "DESCRIPTION=x TCPFILTERNAME=F TCPVJ=1 MULTILINKENABLE=1 GROUPPOLICY=G");
    ASSERT_NE(reversed, nullptr);
    EXPECT_EQ(reversed->ToLine(),
              "GROUPPOLICY=G MULTILINKENABLE=1 MULTILINKMAXLINKS=2 MULTILINKBACP=0 "
              "TCPIPFORWARDING=0 TCPVJ=1 TCPUSEFILTER=0 TCPFILTERNAME=F DESCRIPTION=x ");
}

TEST(ConfigRecord, RemoteAccessServicesKeysMatchWithoutEqualSignAndRejectStrangers) {
    using RAS = CPointToPointRASConfigFile;
    auto record = RAS::CreateRecord(
        "RADIUS_ENABLED DHCP_WAN_CLIENT_ENABLED=1 "
        "DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=10.0.0.9");
    ASSERT_NE(record, nullptr);
    // A token without an equal sign is its own value: not a number, so 0.
    EXPECT_EQ(record->GetRadiusEnabled(), 0);
    EXPECT_EQ(record->GetDHCPWanClientEnabled(), 1);
    EXPECT_EQ(record->GetDHCPWanClientLocalIPAddress(), "10.0.0.9");
    // No description key: any unknown token rejects the line.
    EXPECT_EQ(RAS::CreateRecord("RADIUS_ENABLED=1 EXTRA=2"), nullptr);
}

TEST(ConfigPath, UncPrefixAndBackslashes) {
    EXPECT_EQ(ToServerPath("\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\grouppolicy.cfg"),
              "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg");
    EXPECT_EQ(ToServerPath("  \\\\MYSYS\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\grouppolicy.cfg "),
              "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg");
    EXPECT_EQ(ToServerPath("\\\\AB\\QKTL\\RAS\\ras.cfg"), "/QKTL/RAS/ras.cfg");
    EXPECT_EQ(ToServerPath("/already/forward"), "/already/forward");
}

}  // namespace
}  // namespace ptp::config
