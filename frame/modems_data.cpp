#include "frame/modems_data.h"

#include <new>

namespace ptp::frame {

HRESULT CModemsData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CModemsData(), riid, ppv);
}

}  // namespace ptp::frame
