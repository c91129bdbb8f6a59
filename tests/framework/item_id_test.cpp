#include "platform/framework/item_id.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/framework/item_id_holder.h"
#include "platform/framework/shared_allocator.h"

namespace ptp::fw {
namespace {

std::uint16_t WordAt(const ITEMIDLIST* list, std::size_t offset) {
    std::uint16_t word = 0;
    std::memcpy(&word, reinterpret_cast<const std::uint8_t*>(list) + offset, 2);
    return word;
}

TEST(ItemId, ProfileIdHasTheExactLayoutAndComesFromTheSharedAllocator) {
    const std::size_t before = SharedAllocOutstanding();
    ITEMIDLIST* id = CreateItemId("PRF1", "NPO", 3);
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(SharedAllocOutstanding(), before + 1);

    // 10 characters: P R F 1 U+0001 N P O U+0002 3.
    const char16_t expected[] = {u'P', u'R', u'F', u'1', 1, u'N', u'P', u'O', 2, u'3', 0};
    EXPECT_EQ(WordAt(id, 0), 24);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(WordAt(id, 2 + 2 * i), expected[i]) << "character " << i;
    }
    EXPECT_EQ(WordAt(id, 24), 0) << "the list must end with a zero count";
    EXPECT_EQ(ItemIdListSize(id), 26u);
    EXPECT_EQ(ItemIdListTexts(id), std::vector<std::string>{"PRF1\x01NPO\x02"
                                                            "3"});

    SharedFree(id);
    EXPECT_EQ(SharedAllocOutstanding(), before);
}

TEST(ItemId, TextIsSixteenBitAndAFailedAllocationGivesNoId) {
    ITEMIDLIST* id = CreateItemId("Z\xC3\xBCrich", "NMO", 12);  // Zürich
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(WordAt(id, 0), 2 * 13 + 4);  // 6 + 1 + 3 + 1 + 2 characters
    EXPECT_EQ(WordAt(id, 4), 0x00FC);
    EXPECT_EQ(ItemIdListTexts(id)[0],
              "Z\xC3\xBCrich\x01NMO\x02"
              "12");
    SharedFree(id);

    // An element counts its bytes in 16 bits: a longer text gives no id.
    EXPECT_EQ(CreateItemId(std::string(40000, 'A'), "NMO", 1), nullptr);
    std::string umlauts;
    for (int i = 0; i < 40000; ++i)
        umlauts += "\xC3\xBC";
    EXPECT_EQ(CreateItemIdFromText(umlauts), nullptr);

    FailNextSharedAllocs(1);
    EXPECT_EQ(CreateItemId("PRF1", "NPO", 3), nullptr);
    id = CreateItemId("PRF1", "NPO", 3);
    EXPECT_NE(id, nullptr);
    SharedFree(id);
}

TEST(ItemId, TextSplitsIntoNameTypeAndPosition) {
    EXPECT_EQ(ItemIdText("PRF1", "NPO", 3),
              "PRF1\x01NPO\x02"
              "3");
    EXPECT_EQ(ParseItemIdText("PRF1\x01NPO\x02"
                              "3"),
              (ItemIdFields{"PRF1", "NPO", 3}));
    EXPECT_EQ(ParseItemIdText("\\\\\x01QZY\x02"
                              "0"),
              (ItemIdFields{"\\\\", "QZY", 0}));
    EXPECT_EQ(ParseItemIdText("PRF1\x01NPO\x02"), std::nullopt);
    EXPECT_EQ(ParseItemIdText("PRF1\x01NPO\x02-3"), std::nullopt);
    EXPECT_EQ(ParseItemIdText("PRF1\x01NPO\x02"
                              "3x"),
              std::nullopt);
    EXPECT_EQ(ParseItemIdText("PRF1\x02"
                              "3\x01NPO"),
              std::nullopt);
    EXPECT_EQ(ParseItemIdText("PRF1"), std::nullopt);
}

TEST(ItemId, ConsolePathsJoinLevelsWithU000F) {
    const std::string path = JoinItemIdLevels(
        {ItemIdText("Work Management", "JMF", 1), ItemIdText("Server Jobs", "Server Jobs", 0)});
    EXPECT_EQ(path,
              "Work Management\x01JMF\x02"
              "1\x0FServer Jobs\x01Server Jobs\x02"
              "0");
    const auto levels = SplitItemIdLevels(path);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(ParseItemIdText(levels[1]), (ItemIdFields{"Server Jobs", "Server Jobs", 0}));
    EXPECT_TRUE(SplitItemIdLevels("").empty());
    EXPECT_EQ(SplitItemIdLevels("a\x0F"), (std::vector<std::string>{"a", ""}));
}

// Builds a list of several elements the way the console hands a folder path in.
std::vector<std::uint8_t> ListOf(const std::vector<std::string>& texts) {
    std::vector<std::uint8_t> bytes;
    for (const auto& text : texts) {
        ITEMIDLIST* element = CreateItemIdFromText(text);
        const auto* raw = reinterpret_cast<const std::uint8_t*>(element);
        bytes.insert(bytes.end(), raw, raw + WordAt(element, 0));
        SharedFree(element);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

TEST(ItemId, ListsAreReadCopiedAndSearched) {
    const std::string server = ItemIdText("\\\\", "QZY", 0);
    const std::string system = ItemIdText("SYS1", "SYS", 0);
    auto bytes = ListOf({"My Connections", server, system});
    const auto* list = reinterpret_cast<const ITEMIDLIST*>(bytes.data());

    EXPECT_EQ(ItemIdListSize(list), bytes.size());
    EXPECT_EQ(ReadItemIdList(bytes.data(), bytes.size()),
              (std::vector<std::string>{"My Connections", server, system}));
    EXPECT_EQ(FolderPathFromItemIdList(list), "My Connections\x0F" + server + "\x0F" + system);
    EXPECT_EQ(FolderPathFromItemIdList(nullptr), "");

    const ITEMIDLIST* found = FindItemIdElement(list, server);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(ItemIdListTexts(found), (std::vector<std::string>{server, system}));
    EXPECT_EQ(FindItemIdElement(list, "SYS1"), nullptr);

    CItemIdListHolder holder;
    const std::size_t before = SharedAllocOutstanding();
    EXPECT_TRUE(holder.Set(found));
    std::fill(bytes.begin(), bytes.end(), 0);  // the holder keeps its own copy
    EXPECT_EQ(holder.Texts(), (std::vector<std::string>{server, system}));
    EXPECT_EQ(SharedAllocOutstanding(), before + 1);
    FailNextSharedAllocs(1);
    EXPECT_FALSE(holder.Set(found));
    EXPECT_TRUE(holder.IsEmpty());
    EXPECT_EQ(SharedAllocOutstanding(), before);
}

// A folder reads the position of its rows straight from the item's bytes; it agrees with the
// parsed text on every element, good or damaged, and reads the last element of a path.
TEST(ItemId, ThePositionReadInPlaceIsTheParsedOne) {
    for (const std::string& text :
         {ItemIdText("PRF1", "NPO", 3), ItemIdText("\\\\", "QZY", 0),
          ItemIdText("X", "NMO", 2147483647), std::string("PRF1\x01NPO\x02"),
          std::string("PRF1\x01NPO\x02-3"),
          std::string("PRF1\x01NPO\x02"
                      "3x"),
          std::string("PRF1\x02"
                      "3\x01NPO"),
          std::string("PRF1"),
          std::string("A\x01B\x02"
                      "99999999999999999999999")}) {
        auto bytes = ListOf({text});
        const auto* list = reinterpret_cast<const ITEMIDLIST*>(bytes.data());
        const auto parsed = ParseItemIdText(text);
        EXPECT_EQ(ItemIdPosition(list),
                  parsed ? std::optional<long>(parsed->position) : std::nullopt)
            << text;
    }
    auto path =
        ListOf({"My Connections", ItemIdText("SYS1", "SYS", 0), ItemIdText("P", "NPO", 41)});
    EXPECT_EQ(ItemIdPosition(reinterpret_cast<const ITEMIDLIST*>(path.data())), 41);
    EXPECT_EQ(ItemIdPosition(nullptr), std::nullopt);
}

TEST(ItemId, DamagedListsAreRefused) {
    auto bytes = ListOf({"abc"});
    EXPECT_EQ(ReadItemIdList(bytes.data(), bytes.size() - 1), std::nullopt);  // no end mark
    EXPECT_EQ(ReadItemIdList(bytes.data(), 5), std::nullopt);  // element runs past the end
    const std::uint8_t tiny[] = {1, 0, 0, 0};
    EXPECT_EQ(ReadItemIdList(tiny, sizeof tiny), std::nullopt);
    const std::uint8_t empty[] = {0, 0};
    EXPECT_EQ(ReadItemIdList(empty, sizeof empty), std::vector<std::string>{});
    EXPECT_EQ(ReadItemIdList(nullptr, 0), std::nullopt);
}

}  // namespace
}  // namespace ptp::fw
