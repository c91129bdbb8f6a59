#include "platform/framework/selection_holder.h"

namespace ptp::fw {

bool CSelectionHolder::Attach(IDataObject* dataObject) {
    Release();
    if (!dataObject) return false;
    void* selection = nullptr;
    if (FAILED(dataObject->QueryInterface(IID_IConsoleSelection, &selection)) || !selection) {
        return false;
    }
    m_pSelection = static_cast<IConsoleSelection*>(selection);
    return true;
}

void CSelectionHolder::Release() {
    if (!m_pSelection) return;
    m_pSelection->Release();
    m_pSelection = nullptr;
}

long CSelectionHolder::GetCount() const {
    long count = 0;
    if (!m_pSelection || FAILED(m_pSelection->GetItemCount(&count)) || count < 0) return 0;
    return count;
}

std::optional<ConsoleItem> CSelectionHolder::GetItem(long index) const {
    ConsoleItem item;
    if (!m_pSelection || FAILED(m_pSelection->GetItem(index, &item))) return std::nullopt;
    return item;
}

host::IServerObject* CSelectionHolder::GetListRecord(const ConsoleItem& item) {
    if (!item.listData || !item.itemId) return nullptr;
    return item.listData->GetListObject(item.itemId);
}

}  // namespace ptp::fw
