#pragma once
// The list data protocol of a console folder: the console opens the folder with its item-id list,
// has the rows loaded (possibly on another thread), then asks for the count, the item id of each
// row, the columns and the text of each cell; it resets the rows before a refresh.
#include <string>
#include <vector>

#include "platform/framework/list_data.h"

namespace ptp::fw {

inline const IID IID_IFolderData = GuidFromString("{6C0B3F52-7E1A-4D2B-A8C4-5F9E20D31A03}");

// Count results: the list is complete, or it is complete but the server reported errors while
// filling it; and the failure of the wait for a list that was still loading.
inline constexpr HRESULT FOLDER_S_COMPLETE = static_cast<HRESULT>(0x20040002u);
inline constexpr HRESULT FOLDER_S_PARTIAL = static_cast<HRESULT>(0x20040003u);
inline constexpr HRESULT FOLDER_E_WAIT = static_cast<HRESULT>(0xA0040001u);

struct FolderColumn {
    std::string heading;
    int width = 0;
    int id = 0;
    int format = 0;
    int shown = 1;
};

struct IFolderData : IFolderListData {
    // `folder` is the console's item-id list of the folder, from its root.
    virtual HRESULT OpenFolder(const ITEMIDLIST* folder) = 0;
    virtual HRESULT Load() = 0;
    virtual HRESULT GetCount(long* count) = 0;
    // The item id of row `position`, allocated with the shared allocator (the console frees it);
    // null when there is no such row.
    virtual ITEMIDLIST* ItemAt(long position) = 0;
    virtual HRESULT GetColumns(std::vector<FolderColumn>* columns) = 0;
    // The text of column `column` (1-based) of the row that `item` names.
    virtual HRESULT GetColumnText(int column, const ITEMIDLIST* item, std::string* text) = 0;
    virtual HRESULT Reset() = 0;

  protected:
    ~IFolderData() = default;
};

}  // namespace ptp::fw
