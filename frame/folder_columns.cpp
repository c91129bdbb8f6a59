#include "frame/folder_columns.h"

#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "platform/framework/column_definitions.h"

namespace ptp::frame {

std::vector<fw::FolderColumn> FolderColumns(std::string_view typeCode,
                                            std::span<const CFolderColumnEntry> ownTable) {
    if (auto defined = fw::GetColumnDefinitions(typeCode)) return *defined;
    std::vector<fw::FolderColumn> columns;
    columns.reserve(ownTable.size());
    for (const auto& entry : ownTable) {
        fw::FolderColumn column;
        column.heading = FrameText(entry.heading).substr(0, kMaxColumnHeading);
        column.width = entry.width;
        column.id = entry.id;
        columns.push_back(std::move(column));
    }
    return columns;
}

}  // namespace ptp::frame
