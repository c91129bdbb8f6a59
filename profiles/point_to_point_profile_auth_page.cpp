#include "profiles/point_to_point_profile_auth_page.h"

#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "profiles/point_to_point_profile_auth_confirm_password_dlg.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {

int CPointToPointProfileAuthPage::FailOn(int id) {
    GetSheet()->SetActivePage(this);
    if (id != 0 && IsCreated()) GotoDlgCtrl(GetDlgItem(id));
    return kPageFailed;
}

bool CPointToPointProfileAuthPage::KeepsWhatTheProfileHolds() const {
    return !IsCreated() && !m_pSheet->IsNew();
}

bool CPointToPointProfileAuthPage::TakeValues() {
    if (!IsCreated()) return Load() == kPageOk;
    return UpdateData(ui::TRUE) != ui::FALSE;
}

bool CPointToPointProfileAuthPage::ConfirmNewPassword(std::string& password, int id) {
    const std::string& held = m_pSheet->AuthenticationState().strEntryPassword;
    if (password == held) return true;
    CPointToPointProfileAuthConfirmPasswordDlg confirm(password, this);
    if (confirm.DoModal() == ui::IDOK) return true;
    password = held;
    if (id != 0 && IsCreated()) SetDlgItemText(id, held);
    (void)FailOn(id);
    return false;
}

bool CPointToPointProfileAuthPage::SaveEntry(const std::string& name, const std::string& password,
                                             int protocol, int id) {
    m_pSheet->AuthenticationState().nLocalProtocol = protocol;
    if (m_pSheet->SaveValidationListEntry(name, password)) return true;
    GetSheet()->SetActivePage(this);
    ui::AfxMessageBox(IDS_AUTH_ENTRY_SAVE_FAILED, {m_pSheet->GetValidationListName()},
                      kProfileMessageStyle);
    (void)FailOn(id);
    return false;
}

bool CPointToPointProfileAuthPage::AskToRetainPasswords() {
    if (m_pSheet->GetRetainServerSecurity()) return true;
    const int answer = ui::AfxMessageBox(IDS_AUTH_RETAIN_QUESTION,
                                         ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_SYSTEMMODAL);
    if (answer != ui::IDYES) return false;
    if (!m_pSheet->SetRetainServerSecurity()) {
        m_pSheet->SetLastTrace("Error: ->SetValidationListSystemValue failed to set QRETSVRSEC.");
        ui::AfxMessageBox(IDS_AUTH_HOST_FAILED, kProfileMessageStyle);
        return false;
    }
    ui::AfxMessageBox(IDS_AUTH_RETAIN_SET, ui::MB_ICONINFORMATION);
    return true;
}

}  // namespace ptp::profiles
