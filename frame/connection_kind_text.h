#pragma once
// The text of a profile's connection kind in the profile folders, from its line service
// (attribute 6), mode (attribute 1) and dial variant (attribute 12).
#include <string>

namespace ptp::frame {

[[nodiscard]] std::string ConnectionKindText(const std::string& lineService,
                                             const std::string& mode,
                                             const std::string& dialVariant);

}  // namespace ptp::frame
