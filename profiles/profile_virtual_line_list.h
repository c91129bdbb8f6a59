#pragma once
// The virtual lines a tunnel profile can run on: the L2TP or PPPoE lines the system records in
// its line configuration file, and the box, buttons and checks of the line on the tunnel pages.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/property_page.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

enum class VirtualLineKind { L2TP, PPPoE };

class CProfileVirtualLineList {
  public:
    CProfileVirtualLineList(CPointToPointProfilePropertySheet& sheet, VirtualLineKind kind)
        : m_sheet(sheet), m_kind(kind) {}

    // Reads the line file and fills the line box of `page`, keeping `line` as its text. A system
    // that has no such file yet has no lines; a file that cannot be read is reported.
    void Fill(ui::CDialog& page, std::string_view line);
    // New is offered for a typed name that is not listed, Properties for a listed one.
    void UpdateButtons(ui::CDialog& page) const;
    // Leaving the page: a name too long or with a blank is refused (false after the message).
    [[nodiscard]] bool CheckOnLeaving(ui::CDialog& page, std::string& line) const;
    // Storing: 0 when `line` is listed (it takes the list's spelling), else the message.
    [[nodiscard]] UINT Check(std::string& line) const;
    // Makes `page` the active page, shows `message` about `line` with the focus on `control`;
    // answers kPageFailed.
    int Refuse(ui::CPropertyPage& page, UINT message, int control, std::string_view line) const;
    // Storing a page never shown: the profile keeps what it holds, as long as it names a line.
    int StoreUnshown(ui::CPropertyPage& page, std::string_view line) const;
    // The buttons: the line sheet of the kind, on a new line of the typed name or the chosen one.
    void OnNew(ui::CDialog& page);
    void OnProperties(ui::CDialog& page);

  private:
    [[nodiscard]] int Find(std::string_view line) const;
    void OpenSheet(ui::CDialog& page, const std::string& line, bool isNew);

    CPointToPointProfilePropertySheet& m_sheet;
    VirtualLineKind m_kind;
    std::vector<std::string> m_names;
};

}  // namespace ptp::profiles
