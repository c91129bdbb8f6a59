#pragma once
// The columns of a folder: the console's own definitions for the folder type when it has them,
// otherwise the folder's table of heading text numbers and widths. A column whose identifier is
// 0 shows the item's name as its item id gives it.
#include <span>
#include <string_view>
#include <vector>

#include "platform/com/wintypes.h"
#include "platform/framework/folder_data.h"

namespace ptp::frame {

struct CFolderColumnEntry {
    UINT heading;  // resource text number
    int width;
    int id;
};

// Headings are cut to this many characters.
inline constexpr std::size_t kMaxColumnHeading = 260;

[[nodiscard]] std::vector<fw::FolderColumn> FolderColumns(
    std::string_view typeCode, std::span<const CFolderColumnEntry> ownTable);

}  // namespace ptp::frame
