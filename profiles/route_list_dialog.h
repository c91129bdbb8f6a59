#pragma once
// What the route list dialogs share: a list of routes (destination and mask) that the user adds
// to with the route dialog and removes from. The dialog edits a copy; OK keeps it, Cancel drops
// it. A row read from the server that the user removes goes to the remove list; a row added and
// removed again before it reached the server leaves no trace.
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "profiles/route_information.h"

namespace ptp::profiles {

class CRouteListDialog : public ui::CDialog {
  public:
    CRouteListDialog(UINT nIDTemplate, ui::CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

    ui::BOOL OnInitDialog() override;
    void OnOK() override;

    // False disables OK: the user may look but not change.
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }
    [[nodiscard]] int GetCount() const { return static_cast<int>(m_rows.size()); }

  protected:
    // The rows as kept after the last OK, and the loaded rows removed since loading.
    std::vector<CRouteInformation> m_rows;
    CRouteRemoveList m_removeList;
    // What a row the user adds carries besides its destination and mask.
    std::string m_strNewNextHop;
    std::string m_strNewExtraValue;

  private:
    void Fill();
    void Add();
    void Remove();

    bool m_bChangesAllowed = true;
    std::vector<CRouteInformation> m_shownRows;
    CRouteRemoveList m_shownRemoved;
};

}  // namespace ptp::profiles
