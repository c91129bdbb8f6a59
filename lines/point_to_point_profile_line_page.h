#pragma once
// What every page of the line sheet is: a property page that takes its values once (initial
// values, the model line's or the line's own), checks them when the sheet commits, and hands
// them over either as create-command values (new modes) or as line attributes (properties mode).
// A page the user never opened answers from the values it took.
#include <string>
#include <vector>

#include "lines/line_command_values.h"
#include "platform/ui/property_page.h"
#include "platform/ui/ui_constants.h"

namespace ptp::lines {

class CPointToPointProfileLinePropertySheet;

// The line sheet and its pages show their messages with this style.
inline constexpr UINT kLineMessageStyle = ui::MB_ICONEXCLAMATION | ui::MB_SYSTEMMODAL;

class CPointToPointProfileLinePage : public ui::CPropertyPage {
  public:
    CPointToPointProfileLinePage(UINT nIDTemplate, CPointToPointProfileLinePropertySheet* pSheet)
        : CPropertyPage(nIDTemplate), m_pSheet(pSheet) {}

    // Takes the page's values the first time it is asked.
    void EnsureLoaded();
    // The commit's checks; false after a message (the page is active then, the focus on the
    // field to correct).
    [[nodiscard]] virtual bool Validate() { return true; }
    // New modes: the page's keywords into the create command's values.
    virtual void Collect(CLineCommandValues& values) = 0;
    // Properties mode: the page's values onto the line object.
    virtual void Store() = 0;

    ui::BOOL OnInitDialog() override;

  protected:
    virtual void Load() = 0;
    // Makes the page active, shows resource message `message` and puts the focus on `controlId`.
    void ShowProblem(UINT message, int controlId, const std::vector<std::string>& args = {});
    // A range check of a number field: false after the bounds message.
    [[nodiscard]] bool CheckRange(const std::string& text, long low, long high, int controlId);

    CPointToPointProfileLinePropertySheet* m_pSheet;

  private:
    bool m_bLoaded = false;
};

}  // namespace ptp::lines
