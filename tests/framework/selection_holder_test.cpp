#include "platform/framework/selection_holder.h"

#include <gtest/gtest.h>

#include "platform/framework/shared_allocator.h"
#include "tests/support/fake_console.h"

namespace ptp::fw {
namespace {

using testing::FakeDataObject;
using testing::FakeListData;
using testing::FakeListRecord;

TEST(SelectionHolder, HoldsTheDataObjectAndReadsItsItems) {
    FakeListRecord record("PRF1");
    FakeListData listData;
    ITEMIDLIST* id = CreateItemId("PRF1", "NPO", 3);
    listData.records[ItemIdText("PRF1", "NPO", 3)] = &record;

    FakeDataObject data;
    data.items.push_back({"NPO", "SYS1", "Prf1", id, &listData});
    data.items.push_back({"NPF", "SYS1", "Originator", nullptr, nullptr});
    {
        CSelectionHolder holder;
        EXPECT_FALSE(holder.IsAttached());
        EXPECT_EQ(holder.GetCount(), 0);
        ASSERT_TRUE(holder.Attach(&data));
        EXPECT_EQ(data.refs, 2u);
        EXPECT_EQ(holder.GetCount(), 2);

        const auto first = holder.GetItem(0);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->typeCode, "NPO");
        EXPECT_EQ(first->serverName, "SYS1");
        EXPECT_EQ(first->objectName, "Prf1");
        EXPECT_EQ(CSelectionHolder::GetListRecord(*first), &record);
        const auto folder = holder.GetItem(1);
        ASSERT_TRUE(folder);
        EXPECT_EQ(CSelectionHolder::GetListRecord(*folder), nullptr);
        EXPECT_FALSE(holder.GetItem(2));

        // Attaching again lets go of the first data object.
        FakeDataObject other;
        ASSERT_TRUE(holder.Attach(&other));
        EXPECT_EQ(data.refs, 1u);
        EXPECT_EQ(other.refs, 2u);
        holder.Release();
        EXPECT_EQ(other.refs, 1u);
        ASSERT_TRUE(holder.Attach(&data));
    }
    EXPECT_EQ(data.refs, 1u) << "the holder must release the data object when it goes";
    SharedFree(id);
}

TEST(SelectionHolder, AttachFailsWithoutASelection) {
    CSelectionHolder holder;
    EXPECT_FALSE(holder.Attach(nullptr));
    FakeDataObject foreign;
    foreign.describesSelection = false;
    EXPECT_FALSE(holder.Attach(&foreign));
    EXPECT_FALSE(holder.IsAttached());
    EXPECT_EQ(foreign.refs, 1u);
    EXPECT_EQ(holder.GetCount(), 0);
}

}  // namespace
}  // namespace ptp::fw
