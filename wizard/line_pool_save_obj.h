#pragma once
// A line that joins the new line pool when the dialer wizard finishes.
#include <string>

namespace ptp::wizard {

struct CLinePoolSaveObj {
    std::string strLineName;
    std::string strPoolName;
};

}  // namespace ptp::wizard
