#pragma once
// The list data of the modems folder: the rows are the server's modem list, in list order.
#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

class CModemsData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

  protected:
    HRESULT LoadLocked() override;
    fw::ITEMIDLIST* RowItemId(long position) override;
    HRESULT RowText(int column, long position, std::string* text) override;
    host::IServerObject* RowElement(long position) override;
    HRESULT ResetRows() override;

  private:
    CModemsData();
    ~CModemsData() override = default;
};

}  // namespace ptp::frame
