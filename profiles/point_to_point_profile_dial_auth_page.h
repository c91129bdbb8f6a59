#pragma once
// Authentication of a dialling or initiating profile: whether this system identifies itself to
// the remote system (with the name and password kept in the profile's validation-list entry, and
// for PPP the protocol), and whether the remote system must identify itself. The PPP and SLIP
// pages differ only in the protocol choice, which SLIP has not.
#include <memory>
#include <string>

#include "profiles/point_to_point_profile_auth_page.h"
#include "profiles/point_to_point_profile_ppp_dial_auth_remote_system_id_dialog.h"

namespace ptp::profiles {

class CPointToPointProfileDialAuthPage : public CPointToPointProfileAuthPage {
  public:
    CPointToPointProfileDialAuthPage(UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet,
                                     bool bPPP);
    ~CPointToPointProfileDialAuthPage() override;

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    // Attribute 28 for the choice on the page.
    [[nodiscard]] int ChosenProtocol() const;
    void EnableControls();
    void OpenRemoteSystemId();
    [[nodiscard]] CPointToPointProfilePPPDialAuthRemoteSystemIdDialog& RemoteSystemIdDialog();

    int m_nLocal = 0;
    std::string m_strName;
    std::string m_strPassword;
    int m_nProtocol = kCHAP;
    int m_nExtended = 0;
    int m_nRemote = 0;
    std::unique_ptr<CPointToPointProfilePPPDialAuthRemoteSystemIdDialog> m_pRemoteSystemIdDialog;
};

class CPointToPointProfilePPPDialAuthPage : public CPointToPointProfileDialAuthPage {
  public:
    explicit CPointToPointProfilePPPDialAuthPage(CPointToPointProfilePropertySheet* pSheet);
};

class CPointToPointProfileSLIPDialAuthPage : public CPointToPointProfileDialAuthPage {
  public:
    explicit CPointToPointProfileSLIPDialAuthPage(CPointToPointProfilePropertySheet* pSheet);
};

}  // namespace ptp::profiles
