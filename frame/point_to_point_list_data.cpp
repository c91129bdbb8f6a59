#include "frame/point_to_point_list_data.h"

#include "frame/point_to_point_ext_app.h"

namespace ptp::frame {

CPointToPointListData::CPointToPointListData() {
    TheApp().State().com.ObjectCreated();
}

CPointToPointListData::~CPointToPointListData() {
    TheApp().State().com.ObjectDestroyed();
}

HRESULT CPointToPointListData::Deliver(CPointToPointListData* created, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!created) return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(riid, ppv);
    created->Release();
    return hr;
}

HRESULT CPointToPointListData::QueryInterface(REFIID riid, void** ppv) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != fw::IID_IFolderListData) return E_NOINTERFACE;
    *ppv = static_cast<fw::IFolderListData*>(this);
    AddRef();
    return S_OK;
}

ULONG CPointToPointListData::AddRef() {
    return ++m_dwRef;
}

ULONG CPointToPointListData::Release() {
    fw::ModuleStateScope scope(TheApp().State());
    const ULONG refs = --m_dwRef;
    if (refs == 0) delete this;
    return refs;
}

host::IServerObject* CPointToPointListData::GetListObject(const fw::ITEMIDLIST*) {
    fw::ModuleStateScope scope(TheApp().State());
    return nullptr;
}

}  // namespace ptp::frame
