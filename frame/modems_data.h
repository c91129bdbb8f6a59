#pragma once
// The list data of the modems folder.
#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

class CModemsData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

  private:
    CModemsData() = default;
    ~CModemsData() override = default;
};

}  // namespace ptp::frame
