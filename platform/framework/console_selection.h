#pragma once
// How the console's data object describes the selected items. The console implements it on the
// data object it hands to IShellExtInit::Initialize; the plug-in reads it through
// CSelectionHolder only.
#include <string>

#include "platform/com/unknown.h"
#include "platform/framework/item_id.h"
#include "platform/framework/list_data.h"

namespace ptp::fw {

inline const IID IID_IConsoleSelection = GuidFromString("{6C0B3F52-7E1A-4D2B-A8C4-5F9E20D31A02}");

// One selected item. The pointers stay the console's and live as long as its data object.
struct ConsoleItem {
    std::string typeCode;                 // "NPO", "NMD", ...
    std::string serverName;               // the system the item belongs to
    std::string objectName;               // the name the console shows
    const ITEMIDLIST* itemId = nullptr;   // the item's own item id; null for a folder
    IFolderListData* listData = nullptr;  // the list data of the item's folder, if any
};

struct IConsoleSelection : IUnknown {
    virtual HRESULT GetItemCount(long* count) = 0;
    virtual HRESULT GetItem(long index, ConsoleItem* item) = 0;

  protected:
    ~IConsoleSelection() = default;
};

}  // namespace ptp::fw
