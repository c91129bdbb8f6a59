#pragma once
// How the remote system identifies itself to a dialling profile: the name it gives, the
// protocol, and the validation list that holds it. Created by the dial authentication page on
// first use and kept for the sheet's life.
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfilePPPDialAuthRemoteSystemIdDialog : public ui::CDialog {
  public:
    CPointToPointProfilePPPDialAuthRemoteSystemIdDialog(CPointToPointProfilePropertySheet* pSheet,
                                                        ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOK() override;

    // Writes the name (upper case), the protocol and the list; false after the user was told
    // that the name is missing.
    bool Store();

  private:
    enum Protocol { kCHAP = 0, kPAP = 1 };

    void Load();

    CPointToPointProfilePropertySheet* m_pSheet;
    bool m_bLoaded = false;
    std::string m_strName;
    int m_nProtocol = kCHAP;
    std::string m_strList;
};

}  // namespace ptp::profiles
