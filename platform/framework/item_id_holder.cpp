#include "platform/framework/item_id_holder.h"

#include "platform/framework/shared_allocator.h"

namespace ptp::fw {

bool CItemIdListHolder::Set(const ITEMIDLIST* list) {
    ITEMIDLIST* copy = CopyItemIdList(list);
    Empty();
    m_pList = copy;
    return copy != nullptr || list == nullptr;
}

void CItemIdListHolder::Empty() {
    SharedFree(m_pList);
    m_pList = nullptr;
}

}  // namespace ptp::fw
