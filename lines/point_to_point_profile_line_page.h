#pragma once
// What every page of the line sheet is: a line page that hands its values over either as
// create-command values (new modes) or as line attributes (properties mode). A page the user
// never opened answers from the values it took.
#include "lines/line_command_values.h"
#include "lines/line_page_base.h"

namespace ptp::lines {

class CPointToPointProfileLinePropertySheet;

class CPointToPointProfileLinePage : public CLinePageBase {
  public:
    CPointToPointProfileLinePage(UINT nIDTemplate, CPointToPointProfileLinePropertySheet* pSheet)
        : CLinePageBase(nIDTemplate), m_pSheet(pSheet) {}

    // New modes: the page's keywords into the create command's values.
    virtual void Collect(CLineCommandValues& values) = 0;
    // Properties mode: the page's values onto the line object.
    virtual void Store() = 0;

  protected:
    CPointToPointProfileLinePropertySheet* m_pSheet;
};

}  // namespace ptp::lines
