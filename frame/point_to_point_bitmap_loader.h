#pragma once
// Pictures that pages and dialogs show, loaded by number from a named resource library.
#include <optional>
#include <string_view>

#include "platform/com/wintypes.h"
#include "platform/res/resource_module.h"

namespace ptp::frame {

class CPointToPointBitmapLoader {
  public:
    // Loads bitmap `bitmapId` of the library `libraryName` (a bare name is looked for beside the
    // module's resource library) and frees the library again. When the library cannot be loaded
    // or holds no such bitmap, the user is told (message IDS_CANNOT_OPEN, warning icon) and there
    // is no value.
    static std::optional<res::Bitmap> Load(std::string_view libraryName, UINT bitmapId);
};

}  // namespace ptp::frame
