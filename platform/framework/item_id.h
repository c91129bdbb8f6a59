#pragma once
// Item-id lists: how the console and the plug-in name objects to each other. A list is a run of
// elements, each a 16-bit byte count (including itself) followed by that many bytes less two,
// ended by a zero count. The plug-in's elements hold 16-bit text
//     name U+0001 type-code U+0002 position U+0000
// and a console path is several such texts joined by U+000F.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ptp::fw {

struct SHITEMID {
    std::uint16_t cb;
    std::uint8_t abID[1];
};
struct ITEMIDLIST {
    SHITEMID mkid;
};

inline constexpr char kItemTypeMark = '\x01';
inline constexpr char kItemPositionMark = '\x02';
inline constexpr char kLevelSeparator = '\x0F';

// The parts of one element's text.
struct ItemIdFields {
    std::string name;
    std::string typeCode;
    long position = 0;

    friend bool operator==(const ItemIdFields&, const ItemIdFields&) = default;
};

// "name U+0001 type U+0002 position", in UTF-8.
[[nodiscard]] std::string ItemIdText(std::string_view name, std::string_view typeCode,
                                     long position);
// Splits an element text; no value unless both marks are present and the position is decimal.
[[nodiscard]] std::optional<ItemIdFields> ParseItemIdText(std::string_view text);
// Joins and splits the levels of a console path.
[[nodiscard]] std::string JoinItemIdLevels(const std::vector<std::string>& levels);
[[nodiscard]] std::vector<std::string> SplitItemIdLevels(std::string_view path);

// A one-element list holding ItemIdText(name, typeCode, position), allocated with the shared
// allocator because the console frees it; null when the allocator refuses.
[[nodiscard]] ITEMIDLIST* CreateItemId(std::string_view name, std::string_view typeCode,
                                       long position);
// A one-element list holding `text` as 16-bit characters.
[[nodiscard]] ITEMIDLIST* CreateItemIdFromText(std::string_view text);

// The texts of the elements of a list held in `size` bytes; no value when the bytes do not form
// a whole list (an element running past the end, a count below two, no terminating zero count).
[[nodiscard]] std::optional<std::vector<std::string>> ReadItemIdList(const std::uint8_t* bytes,
                                                                     std::size_t size);
// The same for a list of trusted layout, such as one the console handed in.
[[nodiscard]] std::vector<std::string> ItemIdListTexts(const ITEMIDLIST* list);
// The position field of the list's last element, read in place: what ParseItemIdText gives for
// that element's text, without building the text (a folder asks for it once per cell).
[[nodiscard]] std::optional<long> ItemIdPosition(const ITEMIDLIST* list);
// Bytes of a list including its terminating zero count.
[[nodiscard]] std::size_t ItemIdListSize(const ITEMIDLIST* list);
// A shared-allocator copy of the list (or, given an element inside one, of the rest from that
// element on); null when the allocator refuses.
[[nodiscard]] ITEMIDLIST* CopyItemIdList(const ITEMIDLIST* list);
// The first element whose text equals `text`, or null.
[[nodiscard]] const ITEMIDLIST* FindItemIdElement(const ITEMIDLIST* list, std::string_view text);
// The path the console derives from a folder list: the element texts joined by U+000F.
[[nodiscard]] std::string FolderPathFromItemIdList(const ITEMIDLIST* list);

}  // namespace ptp::fw
