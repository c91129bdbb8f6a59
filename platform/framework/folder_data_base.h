#pragma once
// The base of every folder's list data: it serialises loading, which the console may start on
// another thread than the rest of its calls, under one lock waited for without a time limit.
#include <mutex>

#include "platform/framework/folder_data.h"

namespace ptp::fw {

class CFolderData : public IFolderData {
  public:
    CFolderData(const CFolderData&) = delete;
    CFolderData& operator=(const CFolderData&) = delete;

    // Runs LoadLocked under the folder's lock.
    HRESULT Load() final;

  protected:
    CFolderData() = default;
    ~CFolderData() = default;

    virtual HRESULT LoadLocked() = 0;
    // Held while rows are built; other calls that read rows take it too.
    [[nodiscard]] std::unique_lock<std::recursive_mutex> LockRows() {
        return std::unique_lock<std::recursive_mutex>(m_lock);
    }

  private:
    std::recursive_mutex m_lock;
};

}  // namespace ptp::fw
