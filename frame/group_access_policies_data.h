#pragma once
// The list data of the group access policies folder.
#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

class CGroupAccessPoliciesData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

  private:
    CGroupAccessPoliciesData() = default;
    ~CGroupAccessPoliciesData() override = default;
};

}  // namespace ptp::frame
