#include "frame/group_access_policies_data.h"

#include <new>

namespace ptp::frame {

HRESULT CGroupAccessPoliciesData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CGroupAccessPoliciesData(), riid, ppv);
}

}  // namespace ptp::frame
