#include "lines/line_profile_kind.h"

#include "platform/vocabulary/profile.h"

namespace ptp::lines {

namespace service = code::line_service;
namespace mode = code::mode;

bool CLineProfileKind::IsSwitchedDial() const {
    return Is(service::kSwitched, mode::kDial);
}
bool CLineProfileKind::IsSwitchedAnswer() const {
    return Is(service::kSwitched, mode::kAnswer);
}
bool CLineProfileKind::IsSwitchedDialVariant3() const {
    return Is(service::kSwitched, mode::kDialVariant3);
}
bool CLineProfileKind::IsSwitchedDialVariant4() const {
    return Is(service::kSwitched, mode::kDialVariant4);
}
bool CLineProfileKind::IsSwitchedDialOnDemand() const {
    return Is(service::kSwitched, mode::kDialOnDemand);
}
bool CLineProfileKind::IsLeasedDial() const {
    return Is(service::kNonswitched, mode::kDial);
}
bool CLineProfileKind::IsLeasedAnswer() const {
    return Is(service::kNonswitched, mode::kAnswer);
}

bool CLineProfileKind::IsSwitched() const {
    return IsSwitchedDial() || IsSwitchedAnswer() || IsSwitchedDialVariant3() ||
           IsSwitchedDialVariant4() || IsSwitchedDialOnDemand();
}

}  // namespace ptp::lines
