#pragma once
// The list a page shows a modem's command entries in, with its Add, Change and Remove buttons:
// the modem sheet's parameter pages and the line sheet's modem-command pages show them alike, on
// controls of their own templates.
#include <string_view>

#include "platform/ui/dialog.h"

namespace ptp::modems {

// The page's controls and the headings of the name and value columns.
struct CModemCommandListIds {
    int nList = 0;
    int nAdd = 0;
    int nChange = 0;
    int nDelete = 0;
    UINT nNameHeading = 0;
    UINT nValueHeading = 0;
};

class CModemCommandList {
  public:
    CModemCommandList(ui::CDialog& page, const CModemCommandListIds& ids)
        : m_page(page), m_ids(ids) {}

    void InsertColumns();
    void Clear();
    void Append(std::string_view name, std::string_view value);
    // The selected one of `count` rows; -1 when none is.
    [[nodiscard]] int SelectedRow(int count);
    // Add while the modem has room for another entry, Change and Remove for a selected one; none
    // unless the user may change the modem.
    void UpdateButtons(bool changeable, int count);

  private:
    ui::CListCtrl& List() { return m_page.ListCtrl(m_ids.nList); }

    ui::CDialog& m_page;
    CModemCommandListIds m_ids;
};

}  // namespace ptp::modems
