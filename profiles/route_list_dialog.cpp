#include "profiles/route_list_dialog.h"

#include "platform/ui/list_ctrl.h"
#include "platform/ui/toolkit.h"
#include "profiles/point_to_point_dial_routing_dialog.h"
#include "resources/ids/profile_routes.h"

namespace ptp::profiles {

ui::BOOL CRouteListDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shownRows = m_rows;
    m_shownRemoved = m_removeList;
    ui::CListCtrl& list = ListCtrl(IDC_ROUTES_LIST);
    list.InsertColumn(0, ui::LoadText(IDS_ROUTES_DESTINATION_COLUMN));
    list.InsertColumn(1, ui::LoadText(IDS_ROUTES_MASK_COLUMN));
    OnClicked(IDC_ROUTES_ADD, [this] { Add(); });
    OnClicked(IDC_ROUTES_REMOVE, [this] { Remove(); });
    if (!m_bChangesAllowed) {
        GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
        GetDlgItem(IDC_ROUTES_ADD)->EnableWindow(ui::FALSE);
        GetDlgItem(IDC_ROUTES_REMOVE)->EnableWindow(ui::FALSE);
    }
    Fill();
    return ui::TRUE;
}

void CRouteListDialog::Fill() {
    ui::CListCtrl& list = ListCtrl(IDC_ROUTES_LIST);
    list.DeleteAllItems();
    for (const CRouteInformation& row : m_shownRows) {
        const int index = list.InsertItem(list.GetItemCount(), row.strDestination);
        list.SetItemText(index, 1, row.strSubnetMask);
    }
}

void CRouteListDialog::Add() {
    CPointToPointDialRoutingDialog dialog(m_shownRows, this);
    if (dialog.DoModal() != ui::IDOK) return;
    CRouteInformation row;
    row.strDestination = dialog.GetDestination();
    row.strSubnetMask = dialog.GetSubnetMask();
    row.strNextHop = m_strNewNextHop;
    row.strExtraValue = m_strNewExtraValue;
    m_shownRows.push_back(std::move(row));
    Fill();
}

void CRouteListDialog::Remove() {
    const int selected = ListCtrl(IDC_ROUTES_LIST).GetNextItem(-1, ui::LVNI_SELECTED);
    if (selected < 0 || selected >= static_cast<int>(m_shownRows.size())) return;
    const auto row = m_shownRows.begin() + selected;
    if (row->nSaved == kRouteSaved) m_shownRemoved.push_back(*row);
    m_shownRows.erase(row);
    Fill();
}

void CRouteListDialog::OnOK() {
    m_rows = m_shownRows;
    m_removeList = m_shownRemoved;
    CDialog::OnOK();
}

}  // namespace ptp::profiles
