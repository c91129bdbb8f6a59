#pragma once
// A page of the digital line sheet: it takes its values once (initial values or the line's own),
// checks them when the sheet commits, and hands them over as command values; in properties mode
// the pages of a leased line also write their values onto the line object.
#include "lines/digital_line_values.h"
#include "lines/line_page_base.h"

namespace ptp::lines {

class CPointToPointProfileLineDigitalPropertySheet;

class CDigitalLinePage : public CLinePageBase {
  public:
    CDigitalLinePage(UINT nIDTemplate, CPointToPointProfileLineDigitalPropertySheet* pSheet)
        : CLinePageBase(nIDTemplate), m_pSheet(pSheet) {}

    virtual void Collect(CDigitalLineValues& values) = 0;
    // Properties mode of a leased line: the page's values onto the line object.
    virtual void Store() {}

  protected:
    // Shows a problem and answers false, for the checks that take a callback.
    bool Problem(UINT message, int control, const std::vector<std::string>& args) {
        ShowProblem(message, control, args);
        return false;
    }

    CPointToPointProfileLineDigitalPropertySheet* m_pSheet;
};

}  // namespace ptp::lines
