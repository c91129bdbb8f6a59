#pragma once
// How an answering profile's system identifies itself to the caller: the name and password it
// gives (kept in the profile's validation-list entry) and the protocol. Created by the answer
// authentication page on first use and kept for the sheet's life.
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfilePPPAnsAuthLocalSystemIdDialog : public ui::CDialog {
  public:
    CPointToPointProfilePPPAnsAuthLocalSystemIdDialog(CPointToPointProfilePropertySheet* pSheet,
                                                      ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOK() override;

    // The values as last accepted (or loaded from the sheet).
    [[nodiscard]] const std::string& GetName();
    [[nodiscard]] const std::string& GetPassword();
    // The identification protocol: PAP or CHAP (attribute 28's codes).
    [[nodiscard]] int GetProtocol();
    // Forgets a password the user typed and was not confirmed.
    void RestorePassword(const std::string& password) { m_strPassword = password; }

  private:
    enum Protocol { kCHAP = 0, kPAP = 1 };

    void Load();

    CPointToPointProfilePropertySheet* m_pSheet;
    bool m_bLoaded = false;
    std::string m_strName;
    std::string m_strPassword;
    int m_nProtocol = kCHAP;
};

}  // namespace ptp::profiles
