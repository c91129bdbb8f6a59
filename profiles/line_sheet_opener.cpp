#include "profiles/line_sheet_opener.h"

#include "lines/line_profile_kind.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "lines/point_to_point_profile_line_pool_property_sheet.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/frame_commands.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

// Every line sheet learns the system, the profile's kind and its flags from the profile sheet.
template <class LineSheet>
void TellProfile(LineSheet& sheet, const CPointToPointProfilePropertySheet& profile) {
    sheet.SetSystemName(profile.GetSystemName());
    sheet.SetParentProfile(lines::CLineProfileKind(profile.GetLineService(), profile.GetMode()));
    sheet.SetCapabilityA(profile.GetCapabilityA());
    sheet.SetCapabilityB(profile.GetCapabilityB());
    sheet.SetCapabilityC(profile.GetCapabilityC());
    sheet.SetRelease050200(profile.IsRelease050200());
    sheet.SetChangesAllowed(profile.ChangesAllowed());
}

ui::INT_PTR OpenOneLineSheet(std::string_view line, bool isNew,
                             CPointToPointProfilePropertySheet& profile) {
    lines::CPointToPointProfileLinePropertySheet sheet("", &profile);
    if (isNew) {
        sheet.SetProposedLineName(line);
    } else {
        sheet.SetExistingLineName(line);
    }
    TellProfile(sheet, profile);
    const ui::INT_PTR result = sheet.DoModal();
    const bool changed = isNew ? sheet.WasLineCreated() : result == ui::IDOK;
    return changed ? ui::IDOK : ui::IDCANCEL;
}

// A new pool gets its name on the pool sheet; the page then lists and chooses that name.
ui::INT_PTR OpenPoolSheet(std::string& pool, bool isNew,
                          CPointToPointProfilePropertySheet& profile) {
    lines::CPointToPointProfileLinePoolPropertySheet sheet("", &profile);
    if (isNew) {
        sheet.SetProposedPoolName(pool);
    } else {
        sheet.SetPoolName(pool);
    }
    TellProfile(sheet, profile);
    sheet.DoModal();
    if (!sheet.WasChanged()) return ui::IDCANCEL;
    if (!sheet.GetPoolName().empty()) pool = sheet.GetPoolName();
    return ui::IDOK;
}

// The digital line's network interface page opens the interface sheet over the line sheet,
// which receives the interface's local number.
ui::INT_PTR OpenNetworkInterfaceSheet(lines::CPointToPointProfileLineDigitalPropertySheet& line,
                                      const std::string& name, bool isNew) {
    nwi::CPointToPointIsdnNwiPropertySheet sheet("", &line);
    sheet.SetSystemName(line.GetSystemName());
    sheet.SetProposedName(isNew ? name : std::string());
    sheet.SetInterfaceName(isNew ? std::string() : name);
    sheet.SetT1(line.IsT1());
    sheet.SetChangesAllowed(line.ChangesAllowed());
    sheet.SetLineSheet(&line);
    const ui::INT_PTR result = sheet.DoModal();
    const bool changed = isNew ? sheet.WasCreated() : result == ui::IDOK;
    return changed ? ui::IDOK : ui::IDCANCEL;
}

ui::INT_PTR OpenDigitalLineSheet(std::string_view line, bool isNew,
                                 CPointToPointProfilePropertySheet& profile) {
    lines::CPointToPointProfileLineDigitalPropertySheet sheet("", &profile);
    sheet.SetSystemName(profile.GetSystemName());
    if (isNew) {
        sheet.SetProposedLineName(line);
    } else {
        sheet.SetExistingLineName(line);
    }
    sheet.SetParentProfile(lines::CLineProfileKind(profile.GetLineService(), profile.GetMode()));
    sheet.SetChangesAllowed(profile.ChangesAllowed());
    sheet.SetNetworkInterfaceOpener(OpenNetworkInterfaceSheet);
    const ui::INT_PTR result = sheet.DoModal();
    const bool changed = isNew ? sheet.WasLineCreated() : result == ui::IDOK;
    return changed ? ui::IDOK : ui::IDCANCEL;
}

}  // namespace

ui::INT_PTR OpenLineSheet(LineChoice choice, std::string& line, bool isNew,
                          CPointToPointProfilePropertySheet& profile) {
    if (choice == LineChoice::OneLine) return OpenOneLineSheet(line, isNew, profile);
    if (choice == LineChoice::ISDN) return OpenDigitalLineSheet(line, isNew, profile);
    if (choice == LineChoice::Pool) return OpenPoolSheet(line, isNew, profile);
    // The digital line sheet is not part of this build yet: the user is told so, nothing changes.
    ui::AfxMessageBox(IDS_NOT_AVAILABLE, {ui::LoadText(IDS_PROFILE_DIGITAL_LINE_SHEET)},
                      ui::MB_ICONWARNING);
    return ui::IDCANCEL;
}

}  // namespace ptp::profiles
