#pragma once
// The authority others get to a new line description, as the security pages of the line sheets
// offer it: one of the special authorities or an authorization list of the system.
#include <string>
#include <string_view>

#include "platform/ui/ddx.h"
#include "platform/ui/dialog.h"

namespace ptp::lines {

class CLineAuthorityChoice {
  public:
    // Offers the system's authorization lists in the list box of `page`; without them a list can
    // still be typed.
    static void FillAuthorizationLists(ui::CDialog& page, std::string_view systemName);
    // Each choice the user clicks on `page` takes effect at once (the list box is enabled for a
    // list only). In the page's constructor.
    void Attach(ui::CDialog& page);
    // The lists offered and the list box enabled for the choice. In the page's OnInitDialog.
    void Initialize(ui::CDialog& page, std::string_view systemName) const;
    void Exchange(ui::CDataExchange* pDX);
    void UpdateControls(ui::CDialog& page) const;
    // A chosen list needs a name of 1 to 10 characters without blanks.
    [[nodiscard]] bool IsValid() const;
    // AUT as the create commands take it.
    [[nodiscard]] std::string Value() const;

  private:
    [[nodiscard]] bool UsesList() const;

    int m_nAuthority = 0;  // radio index: library create, exclude, use, change, all, list
    std::string m_strListName;
};

}  // namespace ptp::lines
