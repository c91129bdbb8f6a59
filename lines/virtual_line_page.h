#pragma once
// A page of a virtual line sheet: it takes its values from the sheet's record once and writes
// them back into the record when the sheet commits.
#include "lines/line_page_base.h"

namespace ptp::lines {

class CVirtualLineSheetBase;

class CVirtualLinePage : public CLinePageBase {
  public:
    CVirtualLinePage(UINT nIDTemplate, CVirtualLineSheetBase* pSheet)
        : CLinePageBase(nIDTemplate), m_pSheet(pSheet) {}

    // The page's values into the record.
    virtual void Store() = 0;

  protected:
    CVirtualLineSheetBase* m_pSheet;
};

}  // namespace ptp::lines
