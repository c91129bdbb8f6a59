// Whole rules texts: descriptions, continuation lines, labels, numbering, wrapping, and what a
// written file reads back as.
#include <gtest/gtest.h>

#include "rules/nat_filter_data.h"
#include "rules/nat_rules_reader.h"
#include "rules/nat_rules_writer.h"

namespace ptp::rules {
namespace {

using Statements = std::vector<std::unique_ptr<CNATData>>;

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        lines.emplace_back(text.substr(0, feed));
        if (feed == std::string_view::npos) break;
        text.remove_prefix(feed + 1);
    }
    return lines;
}

TEST(NATRulesText, HandWrittenFileWithDescriptionsContinuationsAndLabels) {
    const std::string text =
        "  # PPP filters\n"
        "ADDRESS   LAN   IP = 10.0.0.0 THROUGH 10.0.0.255\n"
        "### the office network\n"
        "garbage that starts nothing\n"
        "12 FILTER SET PPPIN ACTION = PERMIT   %\n"
        "   DIRECTION = OUTBOUND   %\n"
        "SERVICE = telnet\n"
        "filter_interface PPP_FILTER_ID = PF1 SET = PPPIN\n"
        "FILTER_INTERFACE PPP_FILTER_ID = PF2 SET = PPPIN\n";
    Statements statements;
    const auto dropped = ReadRulesText(text, 0, statements);
    ASSERT_EQ(statements.size(), 4u);
    EXPECT_EQ(statements[0]->GetType(), kNATComment);
    EXPECT_EQ(statements[0]->GetDescription(), " PPP filters");
    // The description after the address statement belongs to it.
    EXPECT_EQ(statements[1]->GetType(), kNATDefineAddress);
    EXPECT_EQ(statements[1]->GetDescription(), " the office network");
    const auto& filter = static_cast<const CNATFilterData&>(*statements[2]);
    EXPECT_EQ(filter.GetLineLabel(), "12");
    EXPECT_EQ(filter.GetDirection(), "OUTBOUND");
    EXPECT_EQ(filter.GetService(), "telnet");
    EXPECT_EQ(statements[3]->GetName(), "PF2");
    // The lower-case keyword starts a statement that its parser rejects.
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0].line, 8);
    EXPECT_EQ(dropped[0].result, kParseNotThisStatement);
    // Numbers follow the lines the writer gives: the described statement takes two.
    EXPECT_EQ(statements[0]->GetNumber(), 1);
    EXPECT_EQ(statements[1]->GetNumber(), 2);
    EXPECT_EQ(statements[2]->GetNumber(), 4);
    EXPECT_EQ(statements[3]->GetNumber(), 5);
}

TEST(NATRulesText, WriterPutsDescriptionsAfterStatementsAndEndsWithAnEmptyLine) {
    Statements statements;
    ASSERT_TRUE(
        ReadRulesText("HIDE A BEHIND B JRN = OFF\n###why\nMAP X TO Y JRN = OFF\n", 0, statements)
            .empty());
    const std::string written = WriteRulesText(statements);
    EXPECT_EQ(written,
              "HIDE A    BEHIND B    TIMEOUT = 16    MAXCON = 64    JRN = OFF   \n"
              "###why\n"
              "MAP X    TO Y    JRN = OFF    \n"
              "\n");
    EXPECT_EQ(statements[0]->GetLineLabel(), "1");
    EXPECT_EQ(statements[1]->GetLineLabel(), "3");
    Statements back;
    ASSERT_TRUE(ReadRulesText(written, 0, back).empty());
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0]->GetDescription(), "why");
    EXPECT_EQ(WriteRulesText(back), written);
}

TEST(NATRulesText, LongStatementsWrapAndReadBackWhole) {
    std::string set = "FILTER_INTERFACE PPP_FILTER_ID = P SET = ";
    for (int i = 0; i < 300; ++i)
        set += (i ? ", S" : "S") + std::to_string(i);
    Statements statements;
    ASSERT_TRUE(ReadRulesText(set + "\n", 0, statements).empty());
    const std::string written = WriteRulesText(statements);
    const auto lines = Lines(written);
    ASSERT_GT(lines.size(), 3u);
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), kRulesLineLimit + 1);
        EXPECT_EQ(lines[i].back(), '%') << i;
    }
    EXPECT_NE(lines[lines.size() - 2].back(), '%');
    Statements back;
    ASSERT_TRUE(ReadRulesText(written, 0, back).empty());
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0]->GetFullText(), statements[0]->GetFullText());
}

TEST(NATRulesText, WrappingKeepsOverlongWordsWholeAndDescriptionsLoseTheirTail) {
    const std::string word(700, 'w');
    const std::string wrapped = WrapRulesText("a " + word + " b");
    EXPECT_EQ(wrapped, "a %\n" + word + " %\nb");
    EXPECT_EQ(WrapRulesText("short"), "short");
    EXPECT_EQ(WrapRulesText("x\ny"), "x%\ny");

    // A description is wrapped too, but only its first physical line reads back.
    Statements statements;
    ASSERT_TRUE(ReadRulesText("MAP X TO Y JRN = OFF\n", 0, statements).empty());
    std::string description;
    for (int i = 0; i < 100; ++i)
        description += "word" + std::to_string(i) + " ";
    statements[0]->SetDescription(description);
    Statements back;
    ASSERT_TRUE(ReadRulesText(WriteRulesText(statements), 0, back).empty());
    ASSERT_EQ(back.size(), 1u);
    const std::string readBack = back[0]->GetDescription();
    EXPECT_EQ(readBack.back(), '%');
    EXPECT_EQ(description.compare(0, readBack.size() - 1, readBack, 0, readBack.size() - 1), 0);
    EXPECT_LT(readBack.size(), description.size());
}

TEST(NATRulesText, ServiceFollowedByEqualSignIsNoKeyword) {
    EXPECT_FALSE(IsStatementKeyword("SERVICE", "="));
    EXPECT_TRUE(IsStatementKeyword("service", "web"));
    EXPECT_TRUE(IsStatementKeyword("#INCLUDE", ""));
    EXPECT_TRUE(IsStatementKeyword("#anything", ""));
    EXPECT_FALSE(IsStatementKeyword("FILTERS", ""));
    Statements statements;
    // A stray clause line outside a continuation is ignored.
    ASSERT_TRUE(ReadRulesText("SERVICE = telnet\nINCLUDE FILE = /a\n", 0, statements).empty());
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_EQ(statements[0]->GetType(), kNATInclude);
}

TEST(NATRulesText, EveryStatementKindOfAHandWrittenFileSurvivesAWriteAndARead) {
    const std::string text =
        "#  rules for the branch office  \n"
        "   ADDRESS   BRANCH   IP = {10.1.0.1,10.1.0.2}   TYPE =  TRUSTED\n"
        "SERVICE web   PROTOCOL=tcp DSTPORT = 80 SRCPORT>1023\n"
        "ICMP_SERVICE   ping TYPE=8   CODE = 0\n"
        "3   FILTER SET OUT ACTION=PERMIT DIRECTION=OUTBOUND SRCADDR=BRANCH DSTADDR = * "
        "SERVICE=web\n"
        "### lets the office browse\n"
        "FILTER_INTERFACE   LINE = PPPLINE SET = OUT ,  IN\n"
        "hide 10.2.0.0 BEHIND 9.9.9.9 JRN = OFF\n"
        "HIDE 10.1.0.0 : 1024 BEHIND 9.9.9.9 TIMEOUT=20 MAXCON = 10 JRN=OFF\n"
        "MAP 10.1.0.9 TO 9.9.9.8 LINE = ETH1 JRN = FULL\n"
        "icmp_service echo TYPE = 0 CODE = 0\n"
        "INCLUDE  FILE=/QKTL/USERDATA/extra.i3p\n";
    Statements statements;
    const auto dropped = ReadRulesText(text, 0, statements);
    // The lower-case keywords start statements that their parsers refuse.
    ASSERT_EQ(dropped.size(), 2u);
    EXPECT_EQ(dropped[0].line, 8);
    EXPECT_EQ(dropped[1].line, 11);
    const std::vector<std::uint32_t> kinds{kNATComment,     kNATDefineAddress, kNATServiceAlias,
                                           kNATIcmpService, kNATFilter,        kNATFilterInterface,
                                           kNATHideAddress, kNATMapAddress,    kNATInclude};
    ASSERT_EQ(statements.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(statements[i]->GetType(), kinds[i]) << i;
    EXPECT_EQ(statements[4]->GetDescription(), " lets the office browse");
    EXPECT_EQ(statements[4]->GetLineLabel(), "3");

    const std::string written = WriteRulesText(statements);
    Statements back;
    ASSERT_TRUE(ReadRulesText(written, 0, back).empty()) << written;
    ASSERT_EQ(back.size(), statements.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i]->GetType(), statements[i]->GetType()) << i;
        EXPECT_EQ(back[i]->GetName(), statements[i]->GetName()) << i;
        EXPECT_EQ(back[i]->GetFullText(), statements[i]->GetFullText()) << i;
        EXPECT_EQ(back[i]->GetDescription(), statements[i]->GetDescription()) << i;
    }
    EXPECT_EQ(WriteRulesText(back), written);
}

}  // namespace
}  // namespace ptp::rules
