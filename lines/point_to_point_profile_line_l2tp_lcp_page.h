#pragma once
// The LCP page of the L2TP line sheet, over an L2TP line record.
#include "lines/virtual_line_lcp_page.h"

namespace ptp::lines {

class CPointToPointProfileLineL2TPLCPPage : public CVirtualLineLCPPage {
  public:
    using CVirtualLineLCPPage::CVirtualLineLCPPage;
};

}  // namespace ptp::lines
