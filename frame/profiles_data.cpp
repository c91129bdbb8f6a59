#include "frame/profiles_data.h"

#include <new>

namespace ptp::frame {

HRESULT CProfilesData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CProfilesData(), riid, ppv);
}

}  // namespace ptp::frame
