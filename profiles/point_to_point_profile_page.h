#pragma once
// What every page of the profile sheet is: a property page that loads its values from the
// profile object (through the sheet) and stores them back when the sheet commits.
//
// A new page plugs in by deriving from CPointToPointProfilePage and adding one case to
// CreateProfilePage (profiles/profile_pages.cpp) for its slot; the sheet then shows it wherever
// the profile's kind calls for that slot and has it store its values in commit order.
#include <string>
#include <string_view>

#include "platform/ui/property_page.h"
#include "platform/ui/ui_constants.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

// The sheet and its pages show their messages with this style.
inline constexpr UINT kProfileMessageStyle = ui::MB_ICONEXCLAMATION | ui::MB_SYSTEMMODAL;

// Results of Load and Store.
inline constexpr int kPageOk = 0;
inline constexpr int kPageFailed = 2;  // the user has been told why

class CPointToPointProfilePage : public ui::CPropertyPage {
  public:
    CPointToPointProfilePage(UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet)
        : CPropertyPage(nIDTemplate), m_pSheet(pSheet) {}

    // Given by the sheet as it opens.
    void SetSystemName(std::string_view systemName) { m_strSystemName = std::string(systemName); }

    // Object to the page's values: kPageOk, or kPageFailed after a message.
    virtual int Load() = 0;
    // The page's values to the object, called in commit order; a page never shown loads itself
    // first. kPageOk, or kPageFailed after a message (the sheet then stays open).
    virtual int Store() = 0;
    // The connection pages say whether the user chose another line than the one loaded.
    [[nodiscard]] virtual bool HasLineChanged() const { return false; }
    // The dial TCP/IP page says whether a new SLIP profile needs a script to log on.
    [[nodiscard]] virtual bool AsksForScript() const { return false; }

  protected:
    CPointToPointProfilePropertySheet* m_pSheet;
    std::string m_strSystemName;
};

}  // namespace ptp::profiles
