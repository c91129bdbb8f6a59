#pragma once
// The console's own column definitions for a folder type. A folder whose type the console has
// definitions for shows those; the others show the columns their list data brings.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/framework/folder_data.h"

namespace ptp::fw {

// Replaces the definitions of `typeCode`; an empty list removes them.
void SetColumnDefinitions(std::string_view typeCode, std::vector<FolderColumn> columns);
[[nodiscard]] std::optional<std::vector<FolderColumn>> GetColumnDefinitions(
    std::string_view typeCode);

}  // namespace ptp::fw
