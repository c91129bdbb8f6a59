#include <gtest/gtest.h>

#include "frame/point_to_point_selection.h"
#include "tests/support/fake_console.h"

namespace ptp::frame {
namespace {

using testing::FakeListRecord;

class SelectionWalk : public ::testing::Test {
  protected:
    void SetUp() override { fw::SetServerFacts(&m_facts); }
    void TearDown() override { fw::SetServerFacts(nullptr); }

    // Runs the walk and returns the type codes and names handed to the visitor.
    std::vector<std::string> Walk(CPointToPointSelectedObject& current) {
        fw::CSelectionHolder holder;
        EXPECT_TRUE(holder.Attach(&m_selection.data));
        std::vector<std::string> seen;
        const long count = CPointToPointSelection::Walk(
            holder, current, [&](long index, const CPointToPointSelectedObject& item) {
                seen.push_back(std::to_string(index) + ":" + item.m_strTypeCode + ":" +
                               item.m_strObjectName);
                return true;
            });
        EXPECT_EQ(count, static_cast<long>(seen.size()));
        return seen;
    }

    testing::RecordingServerFacts m_facts;
    testing::FakeSelection m_selection;
};

TEST_F(SelectionWalk, ReadsEveryItemWithItsRecordAndReleaseFlags) {
    m_facts.releases["SYS1"] = "050300";
    FakeListRecord profile("PRF1"), modem("MDM1");
    m_selection.AddItem("NPO", "SYS1", "PRF1", &profile);
    m_selection.AddItem("NMD", "SYS1", "Modems", nullptr);  // a folder needs no record
    m_selection.AddItem("NMO", "SYS1", "MDM1", &modem);

    CPointToPointSelectedObject current;
    EXPECT_EQ(Walk(current),
              (std::vector<std::string>{"0:NPO:PRF1", "1:NMD:Modems", "2:NMO:MDM1"}));
    EXPECT_EQ(current.m_strServerName, "SYS1");
    EXPECT_EQ(current.m_pListRecord, &modem);
    EXPECT_EQ(current.m_strRelease, "050300");
    EXPECT_TRUE(current.m_bV5R1);
    EXPECT_TRUE(current.m_bV5R2);
    EXPECT_TRUE(current.m_bV5R3);
    EXPECT_FALSE(current.m_bV5R4);
    // Only items that have a record were looked up, and each release buffer came zeroed, 7 long.
    EXPECT_EQ(m_selection.listData.asked,
              (std::vector<std::string>{fw::ItemIdText("PRF1", "NPO", 0),
                                        fw::ItemIdText("MDM1", "NMO", 2)}));
    EXPECT_EQ(m_facts.bufferLengths, (std::vector<std::size_t>{7, 7, 7}));
    EXPECT_TRUE(m_facts.buffersArrivedZeroed);
}

TEST_F(SelectionWalk, AMissingListRecordEndsTheWalkAtThatItem) {
    FakeListRecord first("PRF1"), third("PRF3");
    m_selection.AddItem("NPO", "SYS1", "PRF1", &first);
    m_selection.AddItem("NRV", "SYS1", "PRF2", nullptr);
    m_selection.AddItem("NPO", "SYS1", "PRF3", &third);

    CPointToPointSelectedObject current;
    EXPECT_EQ(Walk(current), std::vector<std::string>{"0:NPO:PRF1"});
    EXPECT_EQ(current.m_strObjectName, "PRF2");
    EXPECT_EQ(current.m_pListRecord, nullptr);
    EXPECT_EQ(m_selection.listData.asked.size(), 2u) << "nothing is read past the missing record";
}

TEST_F(SelectionWalk, AnEmptySelectionReadsNothing) {
    CPointToPointSelectedObject current;
    EXPECT_TRUE(Walk(current).empty());
    EXPECT_TRUE(m_facts.bufferLengths.empty());
}

TEST(ServerRelease, ComparesSixteenBitCodesAndNotNegativeMeansAtLeast) {
    CPointToPointSelectedObject item;
    item.SetRelease("050300");
    EXPECT_TRUE(item.m_bV5R1 && item.m_bV5R2 && item.m_bV5R3);
    EXPECT_FALSE(item.m_bV5R4);
    item.SetRelease("050100");
    EXPECT_TRUE(item.m_bV5R1);
    EXPECT_FALSE(item.m_bV5R2);
    item.SetRelease("");
    EXPECT_FALSE(item.m_bV5R1);
    item.SetRelease("0504");  // shorter than the release it starts: below it
    EXPECT_TRUE(item.m_bV5R3);
    EXPECT_FALSE(item.m_bV5R4);
    item.SetRelease("060100");
    EXPECT_TRUE(item.m_bV5R4);
    // A character above U+007F is a large 16-bit code, not a negative byte.
    item.SetRelease("\xC3\xA9");
    EXPECT_TRUE(item.m_bV5R4);
    EXPECT_TRUE(ReleaseAtLeast("050400", "050400"));
    EXPECT_FALSE(ReleaseAtLeast("050399", "050400"));
}

}  // namespace
}  // namespace ptp::frame
