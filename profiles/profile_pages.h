#pragma once
// The page that fills each slot of the profile sheet. Pages join the build one by one; a slot
// whose page does not exist yet stays empty and the sheet leaves it out.
#include <memory>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_page_choice.h"

namespace ptp::profiles {

[[nodiscard]] std::unique_ptr<CPointToPointProfilePage> CreateProfilePage(
    ProfilePageSlot slot, CPointToPointProfilePropertySheet& sheet);

}  // namespace ptp::profiles
