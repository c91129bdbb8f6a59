#pragma once
// What the console asks of the list data that shows a folder, as far as a selection needs it:
// the server-side record behind one of the folder's rows.
#include "platform/com/unknown.h"
#include "platform/framework/item_id.h"

// The console hands list records through without looking into them.
namespace ptp::host {
class IServerObject;
}  // namespace ptp::host

namespace ptp::fw {

inline const IID IID_IFolderListData = GuidFromString("{6C0B3F52-7E1A-4D2B-A8C4-5F9E20D31A01}");

struct IFolderListData : IUnknown {
    // The list element of the row `item` names; it stays the list data's. Null when the row or
    // its element is missing (the list data has told the user).
    virtual host::IServerObject* GetListObject(const ITEMIDLIST* item) = 0;

  protected:
    ~IFolderListData() = default;
};

}  // namespace ptp::fw
