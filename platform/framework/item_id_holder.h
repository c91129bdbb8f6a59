#pragma once
// Keeps a copy of an item-id list that the console handed in for as long as the holder lives.
#include <string>
#include <vector>

#include "platform/framework/item_id.h"

namespace ptp::fw {

class CItemIdListHolder {
  public:
    CItemIdListHolder() = default;
    ~CItemIdListHolder() { Empty(); }
    CItemIdListHolder(const CItemIdListHolder&) = delete;
    CItemIdListHolder& operator=(const CItemIdListHolder&) = delete;

    // Replaces the held list by a copy of `list` (null empties it); false when the copy could
    // not be made, and the holder is then empty.
    bool Set(const ITEMIDLIST* list);
    void Empty();
    [[nodiscard]] const ITEMIDLIST* Get() const { return m_pList; }
    [[nodiscard]] bool IsEmpty() const { return m_pList == nullptr; }
    [[nodiscard]] std::vector<std::string> Texts() const { return ItemIdListTexts(m_pList); }

  private:
    ITEMIDLIST* m_pList = nullptr;
};

}  // namespace ptp::fw
