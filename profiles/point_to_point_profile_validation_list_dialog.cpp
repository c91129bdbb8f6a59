#include "profiles/point_to_point_profile_validation_list_dialog.h"

#include "host/server_calls.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/point_to_point_profile_validation_list_add_multihop_user.h"
#include "profiles/point_to_point_profile_validation_list_add_user.h"
#include "profiles/profile_entry_identifier.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {

CPointToPointProfileValidationListDialog::CPointToPointProfileValidationListDialog(
    CPointToPointProfilePropertySheet* pSheet, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_VALIDATION_LIST, pParent), m_pSheet(pSheet) {
    OnClicked(IDC_VL_ADD, [this] { Add(); });
    OnClicked(IDC_VL_ADD_MULTIHOP, [this] { AddMultihop(); });
    OnClicked(IDC_VL_REMOVE, [this] { Remove(); });
    OnClicked(IDC_VL_SHOW_MULTIHOP, [this] { Refresh(); });
}

bool CPointToPointProfileValidationListDialog::Shows(std::string_view kind) const {
    if (m_pSheet->IsSLIP()) return kind == kEntryKindSLIP;
    if (m_pSheet->IsL2TP()) return kind == kEntryKindL2TP;
    if (kind == kEntryKindCHAP || kind == kEntryKindPAP) return true;
    return kind == kEntryKindHOP && IsDlgButtonChecked(IDC_VL_SHOW_MULTIHOP) == ui::BST_CHECKED;
}

std::string CPointToPointProfileValidationListDialog::TagFor(bool pap) const {
    if (m_pSheet->IsSLIP()) return std::string(kSLIPEntryTag);
    if (m_pSheet->IsL2TP()) return std::string(kL2TPEntryTag);
    return ProfileEntryTag(pap ? 1 : 2, false);
}

ui::BOOL CPointToPointProfileValidationListDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_VL_TEXT, ui::FormatResource(IDS_VL_TEXT, {m_strListName}));
    ui::CListCtrl& list = ListCtrl(IDC_VL_ENTRIES);
    list.InsertColumn(0, ui::LoadText(IDS_VL_NAME_COLUMN));
    list.InsertColumn(1, ui::LoadText(IDS_VL_KIND_COLUMN));
    // Multi-hop users belong to PPP lists only.
    if (m_pSheet->IsSLIP() || m_pSheet->IsL2TP()) {
        GetDlgItem(IDC_VL_ADD_MULTIHOP)->ShowWindow(ui::SW_HIDE);
        GetDlgItem(IDC_VL_SHOW_MULTIHOP)->ShowWindow(ui::SW_HIDE);
    }
    if (!m_pSheet->ChangesAllowed()) {
        for (int id : {IDC_VL_ADD, IDC_VL_ADD_MULTIHOP, IDC_VL_REMOVE})
            GetDlgItem(id)->EnableWindow(ui::FALSE);
    }
    Refresh();
    return ui::TRUE;
}

void CPointToPointProfileValidationListDialog::Refresh() {
    ui::CListCtrl& list = ListCtrl(IDC_VL_ENTRIES);
    list.DeleteAllItems();
    m_shown.clear();
    std::vector<CValidationListUser> users;
    host::SOFError* error = nullptr;
    (void)CValidationListUsers(m_pSheet->GetSystemName(), m_strListName).Read(users, &error);
    host::ShowAndDestroy(error, GetSafeHwnd());
    for (CValidationListUser& user : users) {
        if (!Shows(user.strKind)) continue;
        const int row = list.InsertItem(list.GetItemCount(), user.strName);
        list.SetItemText(row, 1, user.strKind);
        m_shown.push_back(std::move(user));
    }
}

bool CPointToPointProfileValidationListDialog::Save(
    const std::vector<CValidationListNewUser>& users) {
    CValidationListUsers list(m_pSheet->GetSystemName(), m_strListName);
    for (const CValidationListNewUser& user : users) {
        host::SOFError* error = nullptr;
        if (list.Save(user, &error)) continue;
        if (host::IsPendingError(error)) {
            host::ShowAndDestroy(error, GetSafeHwnd());
            return false;
        }
        ui::AfxMessageBox(IDS_VL_SAVE_FAILED, {m_strListName}, kProfileMessageStyle);
        return false;
    }
    return true;
}

CValidationListNewUser CPointToPointProfileValidationListDialog::UserOf(
    const CPointToPointProfileValidationListAddUser& dialog) const {
    CValidationListNewUser user;
    user.strTag = TagFor(dialog.IsPAP());
    user.strName = dialog.GetName();
    user.strData1 = dialog.GetName();
    user.strData2 = dialog.GetPassword();
    user.strGroupPolicy = dialog.GetGroupPolicy();
    return user;
}

void CPointToPointProfileValidationListDialog::Add() {
    CPointToPointProfileValidationListAddUser dialog(
        m_pSheet->GetSystemName(), m_pSheet->IsPPP() && !m_pSheet->IsL2TP(), this);
    if (dialog.DoModal() != ui::IDOK) return;
    (void)Save({UserOf(dialog)});
    Refresh();
}

void CPointToPointProfileValidationListDialog::AddMultihop() {
    CPointToPointProfileValidationListAddMultihopUser dialog(m_pSheet->GetSystemName(), this);
    if (dialog.DoModal() != ui::IDOK) return;
    // The user signs on here with its own entry; the multi-hop entry says how it is passed on.
    const CValidationListNewUser own = UserOf(dialog);
    CValidationListNewUser hop = own;
    hop.strTag = std::string(kMultihopEntryTag);
    hop.strData1 = dialog.GetForwardName();
    hop.strData2 = dialog.GetForwardPassword();
    (void)Save({own, hop});
    CheckDlgButton(IDC_VL_SHOW_MULTIHOP, ui::BST_CHECKED);
    Refresh();
}

void CPointToPointProfileValidationListDialog::Remove() {
    CValidationListUsers list(m_pSheet->GetSystemName(), m_strListName);
    ui::CListCtrl& rows = ListCtrl(IDC_VL_ENTRIES);
    for (int row : rows.GetSelectedItems()) {
        if (row < 0 || row >= static_cast<int>(m_shown.size())) continue;
        host::SOFError* error = nullptr;
        if (list.Remove(m_shown[static_cast<std::size_t>(row)], &error)) continue;
        host::ShowAndDestroy(error, GetSafeHwnd());
        break;
    }
    Refresh();
}

}  // namespace ptp::profiles
