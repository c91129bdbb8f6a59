#include "modems/modem_command_list.h"

#include "platform/ui/toolkit.h"
#include "platform/vocabulary/modem.h"

namespace ptp::modems {
namespace {

constexpr int kNameColumnWidth = 100;
constexpr int kValueColumnWidth = 180;

}  // namespace

void CModemCommandList::InsertColumns() {
    List().InsertColumn(0, ui::LoadText(m_ids.nNameHeading), ui::LVCFMT_LEFT, kNameColumnWidth);
    List().InsertColumn(1, ui::LoadText(m_ids.nValueHeading), ui::LVCFMT_LEFT, kValueColumnWidth);
}

void CModemCommandList::Clear() {
    List().DeleteAllItems();
}

void CModemCommandList::Append(std::string_view name, std::string_view value) {
    ui::CListCtrl& list = List();
    const int item = list.InsertItem(list.GetItemCount(), name);
    list.SetItemText(item, 1, value);
}

int CModemCommandList::SelectedRow(int count) {
    const int row = List().GetNextItem(-1, ui::LVNI_SELECTED);
    return row >= 0 && row < count ? row : -1;
}

void CModemCommandList::UpdateButtons(bool changeable, int count) {
    const bool selected = SelectedRow(count) >= 0;
    m_page.Button(m_ids.nAdd).EnableWindow(changeable && count < code::modem_command::kMaxPerModem);
    m_page.Button(m_ids.nChange).EnableWindow(changeable && selected);
    m_page.Button(m_ids.nDelete).EnableWindow(changeable && selected);
}

}  // namespace ptp::modems
