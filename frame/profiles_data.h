#pragma once
// The list data of the two profile folders.
#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

class CProfilesData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

  private:
    CProfilesData() = default;
    ~CProfilesData() override = default;
};

}  // namespace ptp::frame
