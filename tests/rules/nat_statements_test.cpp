// Statements of the packet rules files: how each kind reads hand-written text, what it writes,
// and that what it writes reads back the same.
#include <gtest/gtest.h>

#include "rules/nat_comment_data.h"
#include "rules/nat_define_address_data.h"
#include "rules/nat_filter_data.h"
#include "rules/nat_filter_interface_data.h"
#include "rules/nat_hide_address_data.h"
#include "rules/nat_icmp_service_data.h"
#include "rules/nat_include_data.h"
#include "rules/nat_map_address_data.h"
#include "rules/nat_service_alias_data.h"

namespace ptp::rules {
namespace {

// Parses `text` as a statement of the keyword's kind, writes it, parses that again and checks the
// second text is the first: what ToText writes must read back the same.
std::string RoundTrip(std::string_view keyword, std::string_view text, int level = 0) {
    auto first = CreateNATStatement(keyword, level);
    EXPECT_EQ(first->Parse(text), kParseOk) << text;
    const std::string written = first->GetFullText();
    auto second = CreateNATStatement(keyword, level);
    EXPECT_EQ(second->Parse(written), kParseOk) << written;
    EXPECT_EQ(second->GetFullText(), written);
    EXPECT_EQ(second->GetName(), first->GetName());
    return written;
}

TEST(NATFilter, NamedServiceGetsTheDefaultsWrittenOut) {
    CNATFilterData filter(0);
    EXPECT_EQ(filter.Parse("FILTER SET PPPIN ACTION = DENY SERVICE = telnet"), kParseOk);
    EXPECT_EQ(filter.GetServiceKind(), kFilterServiceNamed);
    EXPECT_EQ(filter.GetName(), "PPPIN");
    EXPECT_FALSE(filter.IsModified());
    std::vector<std::string> clauses;
    ASSERT_EQ(filter.ToText(clauses), 8);
    EXPECT_EQ(clauses[0], "FILTER SET PPPIN ");
    EXPECT_EQ(clauses[2], "DIRECTION = INBOUND ");
    EXPECT_EQ(clauses[3], "SRCADDR =  ");
    EXPECT_EQ(clauses[4], "DSTADDR =  ");
    EXPECT_EQ(clauses[5], "SERVICE = telnet ");
    EXPECT_EQ(clauses[6], "FRAGMENTS = * ");
    EXPECT_EQ(clauses[7], "JRN = OFF ");
}

TEST(NATFilter, ProtocolPortsIcmpAndOperatorsWrittenTogether) {
    CNATFilterData filter(0);
    ASSERT_EQ(filter.Parse("FILTER SET S ACTION=PERMIT SRCADDR<>10.0.0.1 DSTADDR >= 10.0.0.9 "
                           "PROTOCOL = UDP DSTPORT=53 SRCPORT > 1023"),
              kParseOk);
    EXPECT_EQ(filter.GetServiceKind(), kFilterServiceProtocol);
    EXPECT_EQ(filter.GetSrcAddrOperator(), "<>");
    EXPECT_EQ(filter.GetSrcAddr(), "10.0.0.1");
    EXPECT_EQ(filter.GetDstAddrOperator(), ">=");
    EXPECT_EQ(filter.GetDstAddr(), "10.0.0.9");
    EXPECT_EQ(filter.GetProtocol(), "UDP");
    EXPECT_EQ(filter.GetDstPortOperator(), "=");
    EXPECT_EQ(filter.GetDstPort(), "53");
    EXPECT_EQ(filter.GetSrcPortOperator(), ">");
    EXPECT_EQ(filter.GetSrcPort(), "1023");

    CNATFilterData icmp(0);
    ASSERT_EQ(icmp.Parse("FILTER SET S ACTION = PERMIT PROTOCOL = ICMP TYPE = 8 CODE <= 3"),
              kParseOk);
    EXPECT_EQ(icmp.GetServiceKind(), kFilterServiceIcmp);
    EXPECT_EQ(icmp.GetIcmpType(), "8");
    EXPECT_EQ(icmp.GetIcmpCodeOperator(), "<=");
    EXPECT_EQ(icmp.GetIcmpCode(), "3");
    std::vector<std::string> clauses;
    icmp.ToText(clauses);
    EXPECT_EQ(clauses[5], "PROTOCOL = ICMP ");
    EXPECT_EQ(clauses[6], "TYPE = 8 ");
    EXPECT_EQ(clauses[7], "CODE <= 3 ");
}

TEST(NATFilter, RejectionsLabelsAndLevels) {
    CNATFilterData filter(0);
    EXPECT_EQ(filter.Parse("FILTER SET S ACTION = PERMIT TCPIP_SERVICE = X"), kParseUnsupported);
    EXPECT_EQ(filter.GetNumber(), -1);
    EXPECT_EQ(CNATFilterData(0).Parse("filter SET S ACTION = PERMIT"), kParseNotThisStatement);
    EXPECT_EQ(CNATFilterData(0).Parse("12 13 FILTER SET S"), kParseNotThisStatement);

    CNATFilterData labelled(0);
    ASSERT_EQ(labelled.Parse("42 FILTER SET S ACTION = PERMIT"), kParseOk);
    EXPECT_EQ(labelled.GetLineLabel(), "42");
    EXPECT_EQ(labelled.GetName(), "S");

    const char* ipsec = "FILTER SET S ACTION = IPSEC CONNECTION_DEFINITION = C1 QOSLEVEL = 2";
    CNATFilterData level0(0);
    ASSERT_EQ(level0.Parse(ipsec), kParseOk);
    EXPECT_EQ(level0.GetConnectionDefinition(), "C1");
    EXPECT_EQ(level0.GetFullText().find("CONNECTION_DEFINITION"), std::string::npos);
    CNATFilterData level1(1);
    ASSERT_EQ(level1.Parse(ipsec), kParseOk);
    EXPECT_NE(level1.GetFullText().find("CONNECTION_DEFINITION = C1 "), std::string::npos);
    EXPECT_EQ(level1.GetFullText().find("QOSLEVEL"), std::string::npos);
    level1.SetConnectionDefinition("   ");
    EXPECT_EQ(level1.GetFullText().find("CONNECTION_DEFINITION"), std::string::npos);
    EXPECT_TRUE(level1.IsModified());
}

TEST(NATFilterInterface, SetNamesSpreadOverWordsAndKinds) {
    CNATFilterInterfaceData data;
    ASSERT_EQ(data.Parse("FILTER_INTERFACE PPP_FILTER_ID = PPP1 SET = A, B ,C"), kParseOk);
    EXPECT_EQ(data.GetInterfaceKind(), kFilterInterfacePPPFilterId);
    EXPECT_EQ(data.GetName(), "PPP1");
    EXPECT_EQ(data.GetSetNames(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(data.GetFullText(), "FILTER_INTERFACE    PPP_FILTER_ID = PPP1    SET = A, B, C   ");
    EXPECT_EQ(CNATFilterInterfaceData().Parse("FILTER_INTERFACE LINE = L1"),
              kParseNotThisStatement);
    RoundTrip("FILTER_INTERFACE", "FILTER_INTERFACE IP_ADDRESS=10.1.1.1 SET=X");
    RoundTrip("FILTER_INTERFACE", "FILTER_INTERFACE INTERFACE = ETH0 SET = X,Y");
    RoundTrip("FILTER_INTERFACE", "FILTER_INTERFACE LINE = L1 SET = X");
}

TEST(NATHide, AddressesWithPortsInAnySpacing) {
    CNATHideAddressData hide;
    ASSERT_EQ(hide.Parse("HIDE 10.0.0.0 : 80 BEHIND 192.168.1.1:8080 TIMEOUT=30 MAXCON = 100 "
                         "JRN = FULL"),
              kParseOk);
    EXPECT_EQ(hide.GetName(), "10.0.0.0");
    EXPECT_EQ(hide.GetHiddenPort(), "80");
    EXPECT_EQ(hide.GetBehindAddress(), "192.168.1.1");
    EXPECT_EQ(hide.GetBehindAddressText(), "192.168.1.1:8080");
    EXPECT_EQ(hide.GetTimeout(), "30");
    EXPECT_EQ(hide.GetMaxConnections(), "100");
    EXPECT_EQ(hide.GetJournal(), "FULL");

    CNATHideAddressData zeroPort;
    ASSERT_EQ(zeroPort.Parse("HIDE A :0 BEHIND B: x JRN = OFF"), kParseOk);
    EXPECT_EQ(zeroPort.GetHiddenPort(), "");
    EXPECT_EQ(zeroPort.GetBehindAddressText(), "B");
    // Without its journal clause a hide statement is incomplete.
    EXPECT_EQ(CNATHideAddressData().Parse("HIDE A BEHIND B TIMEOUT = 5"), kParseNotThisStatement);
    RoundTrip("HIDE", "HIDE 10.0.0.0:81 BEHIND 1.2.3.4 TIMEOUT = 9 MAXCON = 8 JRN = OFF");
}

TEST(NATMap, TargetsLinesAndFilterIdentifiers) {
    CNATMapAddressData map;
    ASSERT_EQ(map.Parse("MAP 10.1.1.1 TO PPP_FILTER_ID = PF1"), kParseOk);
    EXPECT_EQ(map.GetToAddress(), "");
    EXPECT_EQ(map.GetLine(), "PF1");
    EXPECT_TRUE(map.IsPPPFilterId());

    CNATMapAddressData line;
    ASSERT_EQ(line.Parse("MAP 10.1.1.1 TO 9.9.9.9 LINE = ETHLINE JRN = OFF"), kParseOk);
    EXPECT_EQ(line.GetToAddress(), "9.9.9.9");
    EXPECT_EQ(line.GetLine(), "ETHLINE");
    EXPECT_FALSE(line.IsPPPFilterId());
    EXPECT_EQ(line.GetFullText(), "MAP 10.1.1.1    TO 9.9.9.9    LINE = ETHLINE    JRN = OFF    ");
    EXPECT_EQ(CNATMapAddressData().Parse("MAP A TO B LINE = L"), kParseNotThisStatement);
    RoundTrip("MAP", "MAP A TO B PPP_FILTER_ID = X JRN = OFF");
    RoundTrip("MAP", "MAP A TO PPP_FILTER_ID=X");
}

TEST(NATServiceAlias, NeedsASourcePortAndUpperCasesTheProtocol) {
    CNATServiceAliasData service;
    ASSERT_EQ(service.Parse("SERVICE web PROTOCOL = tcp DSTPORT = 80 SRCPORT >= 1024"), kParseOk);
    EXPECT_EQ(service.GetProtocolKind(), kServiceAliasProtocol);
    EXPECT_EQ(service.GetProtocol(), "TCP");
    EXPECT_EQ(service.GetSrcPortOperator(), ">=");
    EXPECT_EQ(service.GetFullText(),
              "SERVICE web    PROTOCOL = TCP    DSTPORT = 80    SRCPORT >= 1024   ");
    EXPECT_EQ(CNATServiceAliasData().Parse("SERVICE web PROTOCOL = TCP DSTPORT = 80"),
              kParseNotThisStatement);
    CNATServiceAliasData unsupported;
    EXPECT_EQ(unsupported.Parse("SERVICE web TCPIP_SERVICE = X SRCPORT = 1"), kParseUnsupported);
    EXPECT_EQ(unsupported.GetNumber(), -1);
    RoundTrip("SERVICE", "7 SERVICE s PROTOCOL=UDP DSTPORT<>5 SRCPORT=*");
}

TEST(NATIcmpIncludeComment, ReadBackWhatTheyWrite) {
    CNATIcmpServiceData icmp;
    ASSERT_EQ(icmp.Parse("ICMP_SERVICE ping TYPE=8 CODE = 0"), kParseOk);
    EXPECT_EQ(icmp.GetIcmpType(), "8");
    EXPECT_EQ(icmp.GetIcmpCode(), "0");
    RoundTrip("ICMP_SERVICE", "ICMP_SERVICE ping TYPE = 8 CODE > 1");
    // An empty type must not take the code clause as its value.
    EXPECT_EQ(RoundTrip("ICMP_SERVICE", "ICMP_SERVICE ping TYPE = CODE = 4"),
              "ICMP_SERVICE ping    TYPE =     CODE = 4    ");

    CNATIncludeData include;
    ASSERT_EQ(include.Parse("INCLUDE FILE = /QKTL/a.i3p"), kParseOk);
    EXPECT_EQ(include.GetFile(), "/QKTL/a.i3p");
    EXPECT_EQ(include.GetFullText(), "INCLUDE    FILE = /QKTL/a.i3p   ");
    EXPECT_EQ(CNATIncludeData().Parse("INCLUDE FILE = X MEMBER = Y"), kParseUnsupported);
    EXPECT_EQ(CNATIncludeData().Parse("INCLUDE"), kParseNotThisStatement);
    RoundTrip("INCLUDE", "INCLUDE FILE=/x/y");

    CNATCommentData comment;
    ASSERT_EQ(comment.Parse("# first rules"), kParseOk);
    EXPECT_EQ(comment.GetDescription(), " first rules");
    EXPECT_EQ(comment.GetFullText(), "# first rules   ");
    comment.SetDescription("two\r\nlines");
    EXPECT_EQ(comment.GetDescription(), "two  lines");
}

TEST(NATDefineAddress, EveryFormReadsBack) {
    CNATDefineAddressData list;
    ASSERT_EQ(list.Parse("ADDRESS HOSTS {10.0.0.1, 10.0.0.2,10.0.0.3} TYPE = BORDER"), kParseOk);
    EXPECT_EQ(list.GetAddressKind(), kAddressList);
    EXPECT_EQ(list.GetAddresses(), (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.3"}));
    EXPECT_EQ(list.GetAddressType(), "BORDER");
    EXPECT_EQ(list.GetFullText(),
              "ADDRESS HOSTS    {10.0.0.1, 10.0.0.2, 10.0.0.3}    TYPE = BORDER   ");

    CNATDefineAddressData range;
    ASSERT_EQ(range.Parse("ADDRESS R IP = 10.0.0.1 THROUGH 10.0.0.9 MASK = 255.255.255.0"),
              kParseOk);
    EXPECT_EQ(range.GetIPForm(), kAddressFormRange);
    EXPECT_EQ(range.GetRangeEnd(), "10.0.0.9");
    EXPECT_EQ(range.GetAddressType(), "TRUSTED");
    EXPECT_EQ(range.GetFullText(),
              "ADDRESS R    IP = 10.0.0.1 THROUGH 10.0.0.9    MASK = 255.255.255.0    TYPE = "
              "TRUSTED   ");

    RoundTrip("ADDRESS", "ADDRESS L IP = LOCAL");
    RoundTrip("ADDRESS", "ADDRESS I IP = {1.1.1.1, 2.2.2.2} TYPE = UNTRUSTED");
    RoundTrip("ADDRESS", "ADDRESS I IP = 1.1.1.1");
    RoundTrip("ADDRESS", "ADDRESS H HOST_NAME = {a.example, b.example}");
    RoundTrip("ADDRESS", "ADDRESS H HOST_NAME = {}");
    RoundTrip("ADDRESS", "ADDRESS S 10.0.0.1 MASK = 255.0.0.0");
    RoundTrip("ADDRESS", "ADDRESS E IP = TYPE = X");
    // A lone address that starts with a brace is written in braces, or it would read back as an
    // unclosed list that swallows the clauses after it.
    EXPECT_EQ(RoundTrip("ADDRESS", "ADDRESS B {{x} TYPE = X"), "ADDRESS B    {{x}    TYPE = X   ");
    RoundTrip("ADDRESS", "ADDRESS B IP = {{y} MASK = 255.0.0.0");
    EXPECT_EQ(CNATDefineAddressData().Parse("ADDRESS"), kParseNotThisStatement);
}

TEST(NATData, WellKnownServicesInOfferOrder) {
    std::vector<std::string> services{"stale"};
    GetWellKnownServices(services);
    ASSERT_EQ(services.size(), 66u);
    EXPECT_EQ(services.front(), "APPCoverTCPIP");
    EXPECT_EQ(services[16], "auth");
    EXPECT_EQ(services[48], "QDBGSVR");
    EXPECT_EQ(services.back(), "www-http");
}

}  // namespace
}  // namespace ptp::rules
