#include "platform/ui/list_ctrl.h"

#include <algorithm>

#include "platform/ui/dialog.h"

namespace ptp::ui {
namespace {

// Column widths are in the units of the template; a character is about 6 of them, plus the cell's
// margins.
constexpr int kCharWidth = 6;
constexpr int kCellMargin = 12;

}  // namespace

int CListCtrl::InsertColumn(int column, std::string_view heading, int, int width) {
    if (column < 0 || column > GetColumnCount()) column = GetColumnCount();
    const int w = width >= 0 ? width : GetStringWidth(heading);
    m_columns.insert(m_columns.begin() + column, ColumnState{std::string(heading), w});
    for (auto& row : m_rows) {
        if (static_cast<int>(row.cells.size()) > column) {
            row.cells.insert(row.cells.begin() + column, std::string());
        }
    }
    return column;
}

BOOL CListCtrl::DeleteColumn(int column) {
    if (column < 0 || column >= GetColumnCount()) return FALSE;
    m_columns.erase(m_columns.begin() + column);
    for (auto& row : m_rows) {
        if (static_cast<int>(row.cells.size()) > column)
            row.cells.erase(row.cells.begin() + column);
    }
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const {
    if (column < 0 || column >= GetColumnCount()) return 0;
    return m_columns[column].width;
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) return FALSE;
    m_columns[column].width = width;
    return TRUE;
}

int CListCtrl::GetStringWidth(std::string_view text) const {
    return static_cast<int>(text.size()) * kCharWidth + kCellMargin;
}

int CListCtrl::InsertItem(int row, std::string_view text) {
    if (row < 0) return -1;
    if (row > GetItemCount()) row = GetItemCount();
    Row item;
    item.cells.resize(std::max<std::size_t>(m_columns.size(), 1));
    item.cells[0] = std::string(text);
    m_rows.insert(m_rows.begin() + row, std::move(item));
    if (m_nEditRow >= row) ++m_nEditRow;
    return row;
}

BOOL CListCtrl::SetItemText(int row, int column, std::string_view text) {
    if (!ValidRow(row) || column < 0) return FALSE;
    auto& cells = m_rows[row].cells;
    if (static_cast<int>(cells.size()) <= column) cells.resize(column + 1);
    cells[column] = std::string(text);
    return TRUE;
}

std::string CListCtrl::GetItemText(int row, int column) const {
    if (!ValidRow(row) || column < 0) return {};
    const auto& cells = m_rows[row].cells;
    return column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

BOOL CListCtrl::DeleteItem(int row) {
    if (!ValidRow(row)) return FALSE;
    m_rows.erase(m_rows.begin() + row);
    if (m_nEditRow == row) m_nEditRow = -1;
    if (m_nEditRow > row) --m_nEditRow;
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    m_rows.clear();
    m_nEditRow = -1;
    return TRUE;
}

BOOL CListCtrl::SetItemData(int row, DWORD_PTR data) {
    if (!ValidRow(row)) return FALSE;
    m_rows[row].data = data;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int row) const {
    return ValidRow(row) ? m_rows[row].data : 0;
}

BOOL CListCtrl::SetItemSelected(int row, bool selected) {
    if (!ValidRow(row)) return FALSE;
    if (selected && !HasStyle("multisel")) {
        SelectOnly(row);
        return TRUE;
    }
    m_rows[row].selected = selected;
    return TRUE;
}

bool CListCtrl::IsItemSelected(int row) const {
    return ValidRow(row) && m_rows[row].selected;
}

int CListCtrl::GetSelectedCount() const {
    int count = 0;
    for (const auto& row : m_rows)
        count += row.selected ? 1 : 0;
    return count;
}

int CListCtrl::GetNextItem(int start, int flags) const {
    for (int row = start + 1; row < GetItemCount(); ++row) {
        if ((flags & LVNI_SELECTED) == 0 || m_rows[row].selected) return row;
    }
    return -1;
}

int CListCtrl::GetSelectionMark() const {
    return GetNextItem(-1, LVNI_SELECTED);
}

std::vector<int> CListCtrl::GetSelectedItems() const {
    std::vector<int> rows;
    for (int row = 0; row < GetItemCount(); ++row) {
        if (m_rows[row].selected) rows.push_back(row);
    }
    return rows;
}

void CListCtrl::EditLabel(int row) {
    m_nEditRow = ValidRow(row) ? row : -1;
}

void CListCtrl::SelectOnly(int row) {
    for (int i = 0; i < GetItemCount(); ++i)
        m_rows[i].selected = i == row;
}

bool CListCtrl::Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) {
    const std::string name = "list view " + std::to_string(m_nID);
    switch (action.kind) {
        case ActionKind::Choose:
        case ActionKind::DoubleClick: {
            int row = action.index;
            for (int i = 0; row < 0 && i < GetItemCount(); ++i) {
                if (GetItemText(i, 0) == action.text) row = i;
            }
            if (!ValidRow(row)) {
                why = name + " has no row " + std::to_string(action.index);
                return false;
            }
            const bool changed = !m_rows[row].selected || GetSelectedCount() != 1;
            SelectOnly(row);
            if (changed) events.push_back({m_nID, ControlEvent::Changed});
            if (action.kind == ActionKind::DoubleClick) {
                events.push_back({m_nID, ControlEvent::DoubleClicked});
            }
            return true;
        }
        case ActionKind::EditCell: {
            if (!HasStyle("editlabels")) {
                why = name + " cannot be edited in place";
                return false;
            }
            if (!ValidRow(action.row) || action.column < 0 ||
                action.column >= std::max(GetColumnCount(), 1)) {
                why = name + " has no cell " + std::to_string(action.row) + "/" +
                      std::to_string(action.column);
                return false;
            }
            m_nEditRow = -1;
            if (m_pOwner &&
                !m_pOwner->AcceptLabelEdit(m_nID, action.row, action.column, action.text)) {
                return true;  // the code kept the old text; the user saw why
            }
            SetItemText(action.row, action.column, action.text);
            events.push_back({m_nID, ControlEvent::Changed});
            return true;
        }
        default:
            return CControl::Perform(action, events, why);
    }
}

void CListCtrl::Describe(ControlState& state) const {
    CControl::Describe(state);
    state.text.clear();
    state.columns = m_columns;
    for (const auto& row : m_rows)
        state.rows.push_back(RowState{row.cells, row.selected});
    state.selected = GetSelectionMark();
    state.editingRow = m_nEditRow;
    state.editable = HasStyle("editlabels");
}

}  // namespace ptp::ui
