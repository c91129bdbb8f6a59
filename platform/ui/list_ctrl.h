#pragma once
// A report-style list view: columns with headings and widths, rows of cells with item data, a
// selection (single unless the template says "multisel"), and in-place editing of cells when the
// template says "editlabels".
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/controls.h"

namespace ptp::ui {

inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVNI_ALL = 0;
inline constexpr int LVNI_SELECTED = 2;

class CListCtrl : public CControl {
  public:
    using CControl::CControl;

    int InsertColumn(int column, std::string_view heading, int format = LVCFMT_LEFT,
                     int width = -1);
    BOOL DeleteColumn(int column);
    [[nodiscard]] int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    [[nodiscard]] int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    // Width a text needs in a column, in the same units as column widths.
    [[nodiscard]] int GetStringWidth(std::string_view text) const;

    // Inserts a row (at the end when `row` is past it) and returns its index, -1 on failure.
    int InsertItem(int row, std::string_view text);
    BOOL SetItemText(int row, int column, std::string_view text);
    [[nodiscard]] std::string GetItemText(int row, int column) const;
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    [[nodiscard]] int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    BOOL SetItemData(int row, DWORD_PTR data);
    [[nodiscard]] DWORD_PTR GetItemData(int row) const;

    // Selection.
    BOOL SetItemSelected(int row, bool selected);
    [[nodiscard]] bool IsItemSelected(int row) const;
    [[nodiscard]] int GetSelectedCount() const;
    // The next row after `start` (-1: from the top) with the flag; -1 when there is none.
    [[nodiscard]] int GetNextItem(int start, int flags) const;
    [[nodiscard]] int GetSelectionMark() const;
    [[nodiscard]] std::vector<int> GetSelectedItems() const;
    // Starts an in-place edit of a row's first cell; the user finishes it with EditCell.
    void EditLabel(int row);
    [[nodiscard]] int GetEditRow() const { return m_nEditRow; }

    bool Perform(const Action& action, std::vector<RaisedEvent>& events, std::string& why) override;
    void Describe(ControlState& state) const override;

  private:
    struct Row {
        std::vector<std::string> cells;
        DWORD_PTR data = 0;
        bool selected = false;
    };
    [[nodiscard]] bool ValidRow(int row) const {
        return row >= 0 && row < static_cast<int>(m_rows.size());
    }
    void SelectOnly(int row);

    std::vector<ColumnState> m_columns;
    std::vector<Row> m_rows;
    int m_nEditRow = -1;
};

}  // namespace ptp::ui
