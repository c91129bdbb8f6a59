#pragma once
// What the three list data classes share until their folders are filled: a component object that
// counts itself in the module and holds no rows yet.
#include <atomic>

#include "platform/framework/list_data.h"

namespace ptp::frame {

class CPointToPointListData : public fw::IFolderListData {
  public:
    CPointToPointListData(const CPointToPointListData&) = delete;
    CPointToPointListData& operator=(const CPointToPointListData&) = delete;

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override;
    ULONG Release() override;
    // No rows yet, so no row has a list element.
    host::IServerObject* GetListObject(const fw::ITEMIDLIST* item) override;

  protected:
    CPointToPointListData();
    virtual ~CPointToPointListData();

    // Hands a new object of the derived class to the console as `riid`.
    static HRESULT Deliver(CPointToPointListData* created, REFIID riid, void** ppv);

  private:
    std::atomic<ULONG> m_dwRef{1};
};

}  // namespace ptp::frame
