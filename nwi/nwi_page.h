#pragma once
// A page of the network interface sheet: it takes its values once (initial values or the
// interface's own), checks them when the sheet commits and hands them over as command values.
#include "lines/line_page_base.h"
#include "nwi/nwi_command_values.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiPropertySheet;

class CNwiPage : public lines::CLinePageBase {
  public:
    CNwiPage(UINT nIDTemplate, CPointToPointIsdnNwiPropertySheet* pSheet)
        : CLinePageBase(nIDTemplate), m_pSheet(pSheet) {}

    virtual void Collect(CNwiCommandValues& values) = 0;

  protected:
    CPointToPointIsdnNwiPropertySheet* m_pSheet;
};

}  // namespace ptp::nwi
