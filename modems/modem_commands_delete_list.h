#pragma once
// One command entry that a parameter page removed: deleted on the server when the sheet commits.
#include <string>

namespace ptp::modems {

struct CModemCommandsDeleteList {
    std::string m_strName;
    long m_nNumber = 0;
};

}  // namespace ptp::modems
