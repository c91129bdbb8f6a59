#pragma once
// Asks for a new password a second time before the sheet takes it; a mistyped confirmation is
// refused and the user may try again or cancel, which keeps the old password.
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfileAuthConfirmPasswordDlg : public ui::CDialog {
  public:
    CPointToPointProfileAuthConfirmPasswordDlg(std::string_view password, ui::CWnd* pParent);

    void OnOK() override;

  private:
    std::string m_strPassword;
};

}  // namespace ptp::profiles
