#include "profiles/profile_sheet.h"

#include "profiles/point_to_point_profile_property_sheet.h"

namespace ptp::profiles {

ui::INT_PTR ShowProfilePropertySheet(const CProfileSheetOptions& options, HWND parent,
                                     bool* pChanged) {
    CPointToPointProfilePropertySheet sheet(
        "", ui::CWnd::FromHandle(parent), 0, options.profileName, options.pProfileObject,
        options.protocol, options.lineService, options.mode, options.lineKind, options.migrate);
    sheet.SetSystemName(options.systemName);
    sheet.SetCapabilityA(options.capabilityA);
    sheet.SetCapabilityB(options.capabilityB);
    sheet.SetCapabilityC(options.capabilityC);
    sheet.SetRelease050200(options.release050200);
    sheet.SetRelease050300(options.release050300);
    sheet.SetRelease050400(options.release050400);
    sheet.SetChangesAllowed(options.changesAllowed);
    const ui::INT_PTR result = sheet.DoModal();
    if (pChanged) *pChanged = sheet.IsChanged();
    return result;
}

}  // namespace ptp::profiles
