#pragma once
// The summary page's text: one line per thing Finish sets up.
#include <string>

#include "wizard/wdn_dialer_plan.h"

namespace ptp::wizard {

[[nodiscard]] std::string SummaryText(const CWDNDialerPlan& plan);

}  // namespace ptp::wizard
