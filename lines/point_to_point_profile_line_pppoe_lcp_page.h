#pragma once
// The LCP page of the PPPoE line sheet, over a PPPoE line record.
#include "lines/virtual_line_lcp_page.h"

namespace ptp::lines {

class CPointToPointProfileLinePPPoELCPPage : public CVirtualLineLCPPage {
  public:
    using CVirtualLineLCPPage::CVirtualLineLCPPage;
};

}  // namespace ptp::lines
