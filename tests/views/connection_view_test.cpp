#include <gtest/gtest.h>

#include "frame/connection_link_id.h"
#include "platform/vocabulary/kinds.h"
#include "tests/views/connection_view_fixture.h"

namespace ptp::frame {
namespace {

// Columns on a V5R4 server.
enum { kNumber, kStatus, kReason, kLine, kRemote, kProfile, kJob, kUser, kJobNumber, kLinkId };

TEST(ConnectionLinkId, IsBytesFourToSevenMostSignificantFirst) {
    const std::string bytes = "\xFF\xFF\xFF\xFF\x0A\x0B\x0C\x0D\xEE";
    EXPECT_EQ(LinkIdText(LinkIdFromBuffer(bytes.data(), bytes.size())), "0A0B0C0D");
    const std::string high("\0\0\0\0\xFE\x00\x00\x01", 8);
    EXPECT_EQ(LinkIdText(LinkIdFromBuffer(high.data(), 8)), "FE000001");
    EXPECT_EQ(LinkIdFromBuffer(bytes.data(), 7), 0u);
}

TEST_F(ConnectionViewTest, BundleLinksFollowTheirHeadWhateverTheListOrder) {
    // The server lists by key: a link of bundle A comes after bundle B's head and a single link.
    AddLink({"A/0", 0x0A0B0C0D, 0x0A0B0C0D, "PRFA", 14, 0, "*MULTILINK"});
    AddLink({"B/0", 0x00000100, 0x00000100, "PRFB", 14, 0, "*MULTILINK"});
    AddLink({"C/0", 0x00000200, 0x00000200, "PRFC", 36});
    AddLink({"D/0", 0x0A0B0C0E, 0x0A0B0C0D, "PRFA", 14, 0, "*MULTILINK"});
    AddLink({"E/0", 0x00000101, 0x00000100, "PRFB", 43, 0, "*MULTILINK"});
    AddLink({"F/0", 0x0A0B0C0F, 0x0A0B0C0D, "PRFA", 46, 0, "*MULTILINK"});

    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(m_nColumns, 11);
    std::vector<std::string> numbers, links, profiles;
    for (const auto& row : rows) {
        numbers.push_back(row[kNumber]);
        links.push_back(row[kLinkId]);
        profiles.push_back(row[kProfile]);
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1. *NCP", "1. *LCP", "1. *LCP", "2. *NCP",
                                                 "2. *LCP", "3"}));
    EXPECT_EQ(links, (std::vector<std::string>{"0A0B0C0D", "0A0B0C0E", "0A0B0C0F", "00000100",
                                               "00000101", "00000200"}));
    EXPECT_EQ(profiles, (std::vector<std::string>{"PRFA", "PRFA", "PRFA", "PRFB", "PRFB", "PRFC"}));
    EXPECT_EQ(rows[0][kStatus], Text(27750));
    EXPECT_EQ(rows[2][kStatus], "IPCP " + Text(27761));
    EXPECT_EQ(rows[4][kStatus], "IPCP " + Text(29255));
    EXPECT_EQ(rows[5][kStatus], "LCP " + Text(27761));
    EXPECT_EQ(rows[0][kJob], "QKTL_TOCPPP_SSN@PRFA");
    EXPECT_EQ(rows[0][kUser], "QTCP");
    EXPECT_EQ(rows[0][kLine], "PPPLIN01");
    EXPECT_EQ(rows[0][kRemote], "10.1.1.2");
}

TEST_F(ConnectionViewTest, ReasonCodesAndTheStandInsOwnTexts) {
    AddLink({"A/0", 1, 1, "P1", 3, 258});
    AddLink({"B/0", 2, 2, "P2", 3, 285});
    AddLink({"C/0", 3, 3, "P3", 3, 456});
    AddLink({"D/0", 4, 4, "P4", 255, 255});
    Put(kinds::kConnectionJob, "D/0",
        {{con::kStatusText, "Waiting for the remote peer"}, {con::kReasonText, "Peer hung up"}});
    AddLink({"E/0", 5, 5, "P5", 5, 0});

    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][kReason], Text(28125));
    EXPECT_EQ(rows[1][kReason], "");
    EXPECT_EQ(rows[2][kReason], Text(28175));
    EXPECT_EQ(rows[3][kStatus], "Waiting for the remote peer");
    EXPECT_EQ(rows[3][kReason], "Peer hung up");
    EXPECT_EQ(rows[4][kStatus], "");
    EXPECT_EQ(rows[4][kReason], "");
    EXPECT_EQ(rows[0][kStatus], Text(27745));
}

class OlderServerConnectionViewTest : public ConnectionViewTest {
  protected:
    void SetUp() override {
        m_strRelease = "050100";
        ConnectionViewTest::SetUp();
    }
};

TEST_F(OlderServerConnectionViewTest, HasNoNumberColumnAndNoReasons) {
    AddLink({"A/0", 1, 1, "P1", 3, 258});
    AddLink({"B/0", 2, 2, "P2", 255, 255});
    Put(kinds::kConnectionJob, "B/0", {{con::kStatusText, "Waiting"}});
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(m_nColumns, 10);
    EXPECT_EQ(rows[0][0], Text(27745));
    EXPECT_EQ(rows[0][1], "");
    EXPECT_EQ(rows[1][0], "255");
    EXPECT_EQ(rows[1][1], "");
    EXPECT_EQ(rows[0][8], "00000001");
}

TEST_F(ConnectionViewTest, AReadErrorShowsTheErrorAndKeepsOnlyTheRowsFilled) {
    for (int i = 0; i < 4; ++i)
        AddLink({"L" + std::to_string(i), static_cast<std::uint32_t>(i + 1),
                 static_cast<std::uint32_t>(i + 1), "P" + std::to_string(i), 14});
    host::Fault fault;
    fault.operation = host::HostOperation::GetAttribute;
    fault.kind = std::string(kinds::kConnectionJob);
    // 8 reads of the first pass, then 8 per row (status, reason, six texts): a read of the second
    // row fails.
    fault.nth = 8 + 8 + 3;
    fault.text = "The connection list changed while it was read.";
    InjectFaults().AddFault(fault);

    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][kProfile], "P0");
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("changed while it was read"), std::string::npos);
}

TEST_F(ConnectionViewTest, ListThatCannotBeLoadedLeavesTheViewEmpty) {
    AddLink({"A/0", 1, 1, "P1"});
    host::Fault fault;
    fault.operation = host::HostOperation::ListOpen;
    fault.kind = std::string(kinds::kConnectionJob);
    InjectFaults().AddFault(fault);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u);
}

}  // namespace
}  // namespace ptp::frame
