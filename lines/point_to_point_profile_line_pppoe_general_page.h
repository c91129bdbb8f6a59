#pragma once
// The general page of the PPPoE line sheet, over a PPPoE line record.
#include "lines/virtual_line_general_page.h"

namespace ptp::lines {

class CPointToPointProfileLinePPPoEGeneralPage : public CVirtualLineGeneralPage {
  public:
    using CVirtualLineGeneralPage::CVirtualLineGeneralPage;
};

}  // namespace ptp::lines
