#include "profiles/point_to_point_profile_auth_confirm_password_dlg.h"

#include "platform/ui/message_box.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_auth.h"

namespace ptp::profiles {

CPointToPointProfileAuthConfirmPasswordDlg::CPointToPointProfileAuthConfirmPasswordDlg(
    std::string_view password, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_CONFIRM_PASSWORD, pParent), m_strPassword(password) {}

void CPointToPointProfileAuthConfirmPasswordDlg::OnOK() {
    // Passwords compare exactly: case and blanks count.
    if (GetDlgItemText(IDC_AUTH_CONFIRM_PASSWORD) == m_strPassword) {
        CDialog::OnOK();
        return;
    }
    ui::AfxMessageBox(IDS_AUTH_PASSWORDS_DIFFER, kProfileMessageStyle);
    SetDlgItemText(IDC_AUTH_CONFIRM_PASSWORD, "");
    GotoDlgCtrl(GetDlgItem(IDC_AUTH_CONFIRM_PASSWORD));
}

}  // namespace ptp::profiles
