#include "platform/framework/folder_data_base.h"

namespace ptp::fw {

HRESULT CFolderData::Load() {
    auto lock = LockRows();
    return LoadLocked();
}

}  // namespace ptp::fw
