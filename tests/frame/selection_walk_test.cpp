#include <gtest/gtest.h>

#include "frame/point_to_point_selection.h"
#include "platform/framework/shared_allocator.h"
#include "tests/support/fake_console.h"

namespace ptp::frame {
namespace {

using testing::FakeDataObject;
using testing::FakeListData;
using testing::FakeListRecord;

class SelectionWalk : public ::testing::Test {
  protected:
    void SetUp() override { fw::SetServerFacts(&m_facts); }
    void TearDown() override {
        fw::SetServerFacts(nullptr);
        for (auto* id : m_ids)
            fw::SharedFree(id);
    }

    // An item of a folder shown by `m_listData`, with a record when `record` is given.
    void AddItem(std::string type, std::string server, std::string name, FakeListRecord* record) {
        const long position = static_cast<long>(m_data.items.size());
        fw::ITEMIDLIST* id = fw::CreateItemId(name, type, position);
        m_ids.push_back(id);
        if (record) m_listData.records[fw::ItemIdText(name, type, position)] = record;
        m_data.items.push_back({type, server, name, id, &m_listData});
    }

    // Runs the walk and returns the type codes and names handed to the visitor.
    std::vector<std::string> Walk(CPointToPointSelectedObject& current) {
        fw::CSelectionHolder holder;
        EXPECT_TRUE(holder.Attach(&m_data));
        std::vector<std::string> seen;
        const long count = CPointToPointSelection::Walk(
            holder, current, [&](long index, const CPointToPointSelectedObject& item) {
                seen.push_back(std::to_string(index) + ":" + item.m_strTypeCode + ":" +
                               item.m_strObjectName);
            });
        EXPECT_EQ(count, static_cast<long>(seen.size()));
        return seen;
    }

    testing::FakeServerFacts m_facts;
    FakeDataObject m_data;
    FakeListData m_listData;
    std::vector<fw::ITEMIDLIST*> m_ids;
};

TEST_F(SelectionWalk, ReadsEveryItemWithItsRecordAndReleaseFlags) {
    m_facts.releases["SYS1"] = "050300";
    FakeListRecord profile("PRF1"), modem("MDM1");
    AddItem("NPO", "SYS1", "PRF1", &profile);
    AddItem("NMD", "SYS1", "Modems", nullptr);  // a folder needs no record
    AddItem("NMO", "SYS1", "MDM1", &modem);

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
    EXPECT_EQ(m_listData.asked, (std::vector<std::string>{fw::ItemIdText("PRF1", "NPO", 0),
                                                          fw::ItemIdText("MDM1", "NMO", 2)}));
    EXPECT_EQ(m_facts.bufferLengths, (std::vector<std::size_t>{7, 7, 7}));
    EXPECT_TRUE(m_facts.buffersArrivedZeroed);
}

TEST_F(SelectionWalk, AMissingListRecordEndsTheWalkAtThatItem) {
    FakeListRecord first("PRF1"), third("PRF3");
    AddItem("NPO", "SYS1", "PRF1", &first);
    AddItem("NRV", "SYS1", "PRF2", nullptr);
    AddItem("NPO", "SYS1", "PRF3", &third);

    CPointToPointSelectedObject current;
    EXPECT_EQ(Walk(current), std::vector<std::string>{"0:NPO:PRF1"});
    EXPECT_EQ(current.m_strObjectName, "PRF2");
    EXPECT_EQ(current.m_pListRecord, nullptr);
    EXPECT_EQ(m_listData.asked.size(), 2u) << "nothing is read past the missing record";
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
