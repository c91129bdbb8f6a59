#pragma once
// The line part both connection pages share: the kind of line the profile uses (the user picks a
// line of that kind, never the kind), the line box filled from the server's lists, its New and
// Properties buttons, the checks of a typed name, and the line's attributes.
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "profiles/profile_line_list.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CProfileConnectionLine {
  public:
    explicit CProfileConnectionLine(CPointToPointProfilePropertySheet& sheet);

    // The sheet knows the profile's kind only once it has read the object, after the pages were
    // built; the choice follows it.
    [[nodiscard]] LineChoice Choice() const;
    [[nodiscard]] bool IsPool() const { return Choice() == LineChoice::Pool; }
    [[nodiscard]] std::string_view ConnectionType() const;

    // The line (or pool) the profile names; 0, or 1 after a read failure was shown.
    int Load(std::string& line);
    // Reads the server's lists and fills the line box and its label on `page`; false after the
    // failure was shown and the sheet ended.
    bool Fill(ui::CDialog& page, std::string_view line);
    // Selects a listed name or keeps the typed one, and enables New and Properties to match.
    // Without `changesAllowed` the box and New are greyed.
    void UpdateButtons(ui::CDialog& page, bool changesAllowed);
    // Leaving the page: trims `line` (in the box too) and refuses a name too long or, for a line,
    // with a blank in it; false after the message, with the focus on the box.
    bool CheckOnLeaving(ui::CDialog& page, std::string& line) const;
    // Shows `message` about `line` and puts the focus on the line box.
    void Refuse(ui::CDialog& page, UINT message, std::string_view line) const;
    // Storing: `line` must be one the box offers (it takes the box's spelling). Writes the line
    // type, the line kind and the line or pool name and answers 0, or answers the message that
    // refuses the line without writing anything.
    [[nodiscard]] UINT Store(ui::CDialog& page, std::string& line);
    // The lines in `pool` that can carry the profile.
    [[nodiscard]] int PoolLineCount(std::string_view pool) const;

    // The buttons: open the sheet of the line kind on a new line of the typed name, or on the
    // chosen one.
    void OnNew(ui::CDialog& page);
    void OnProperties(ui::CDialog& page);

  private:
    CPointToPointProfilePropertySheet& m_sheet;
    CProfileLineList m_list;
};

}  // namespace ptp::profiles
