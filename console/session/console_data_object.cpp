#include "console/session/console_data_object.h"

namespace ptp::session {

HRESULT ConsoleDataObject::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == fw::IID_IDataObject) {
        *ppv = static_cast<fw::IDataObject*>(this);
    } else if (riid == fw::IID_IConsoleSelection) {
        *ppv = static_cast<fw::IConsoleSelection*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT ConsoleDataObject::GetItemCount(long* count) {
    if (!count) return E_POINTER;
    *count = static_cast<long>(m_items.size());
    return S_OK;
}

HRESULT ConsoleDataObject::GetItem(long index, fw::ConsoleItem* item) {
    if (!item) return E_POINTER;
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return E_INVALIDARG;
    *item = m_items[static_cast<std::size_t>(index)];
    return S_OK;
}

}  // namespace ptp::session
