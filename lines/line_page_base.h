#pragma once
// What every page of every line sheet shares: its values are taken once (the first time the page
// is shown or asked), checked when the sheet commits, and a problem is shown on the page itself
// with the focus on the field to correct.
#include <string>
#include <vector>

#include "platform/ui/property_page.h"
#include "platform/ui/ui_constants.h"

namespace ptp::lines {

// The line sheets and their pages show their messages with this style.
inline constexpr UINT kLineMessageStyle = ui::MB_ICONEXCLAMATION | ui::MB_SYSTEMMODAL;

class CLinePageBase : public ui::CPropertyPage {
  public:
    explicit CLinePageBase(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

    // Takes the page's values the first time it is asked.
    void EnsureLoaded();
    // The commit's checks; false after a message (the page is active then, the focus on the
    // field to correct).
    [[nodiscard]] virtual bool Validate() { return true; }

    ui::BOOL OnInitDialog() override;

  protected:
    virtual void Load() = 0;
    // Makes the page active, shows resource message `message` and puts the focus on `controlId`.
    void ShowProblem(UINT message, int controlId, const std::vector<std::string>& args = {});
    // A range check of a number field: false after the bounds message.
    [[nodiscard]] bool CheckRange(const std::string& text, long low, long high, int controlId);

  private:
    bool m_bLoaded = false;
};

}  // namespace ptp::lines
