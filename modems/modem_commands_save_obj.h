#pragma once
// One command entry a parameter page will write when the sheet commits: added in this sheet
// (number 0, or an entry copied from the model modem), or an existing entry whose name or value
// changed (its number on the server).
#include <string>

namespace ptp::modems {

struct CModemCommandsSaveObj {
    enum State { kAdded, kChanged };

    std::string m_strName;
    std::string m_strValue;
    long m_nNumber = 0;
    State m_nState = kAdded;
};

}  // namespace ptp::modems
