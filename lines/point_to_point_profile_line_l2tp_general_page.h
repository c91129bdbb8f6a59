#pragma once
// The general page of the L2TP line sheet, over an L2TP line record.
#include "lines/virtual_line_general_page.h"

namespace ptp::lines {

class CPointToPointProfileLineL2TPGeneralPage : public CVirtualLineGeneralPage {
  public:
    using CVirtualLineGeneralPage::CVirtualLineGeneralPage;
};

}  // namespace ptp::lines
